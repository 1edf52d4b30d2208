#include "engine/reports/TaxNote.h"

#include "engine/text/DateText.h"
#include "engine/text/EuroAmount.h"
#include "engine/text/TextRules.h"

#include <array>

namespace {

using StayTax::Exemption;

constexpr std::array kColumns = {
    ReportColumn{"Ospite", 190, false},
    ReportColumn{"Notti tassate", 80, true},
    ReportColumn{"Tariffa per notte €", 190, true},
    ReportColumn{"Notti esenti e motivo", 280, false},
    ReportColumn{"Importo €", 80, true},
};

QString nightsText(int nights)
{
    return nights == 1 ? QStringLiteral("1 notte") : QStringLiteral("%1 notti").arg(nights);
}

QString ratesText(const QList<StayTax::RatePart> &rates)
{
    if (rates.size() == 1)
        return EuroAmount::format(rates.first().rateCents);
    // A stay across a change of rate: each rate with its nights.
    QStringList parts;
    for (const StayTax::RatePart &part : rates)
        parts.append(QStringLiteral("%1 x %2").arg(part.nights).arg(EuroAmount::format(part.rateCents)));
    return parts.join(QStringLiteral(" + "));
}

} // namespace

namespace TaxNote {

QString exemptionText(const StayTax::GuestTax &tax)
{
    QStringList parts;
    for (int r = 0; r < StayTax::kExemptionCount; ++r) {
        const auto reason = static_cast<Exemption>(r);
        const int nights = tax.nights.exemptFor(reason);
        if (nights == 0)
            continue;
        const QString why = reason == Exemption::OtherReason && !tax.otherReason.isEmpty()
            ? tax.otherReason
            : StayTax::exemptionName(reason);
        parts.append(nightsText(nights) + (reason == Exemption::BeyondMaxNights ? QStringLiteral(" ")
                                                                                 : QStringLiteral(" per "))
                     + why);
    }
    if (tax.nights.withoutRule > 0)
        parts.append(nightsText(tax.nights.withoutRule) + QStringLiteral(" senza imposta"));
    return parts.join(QStringLiteral(", "));
}

ReportTable table(const ReportStay &stay, const QString &comuneLabel, const StayTax::Result &tax)
{
    ReportTable note;
    note.reportName = QStringLiteral("Ricevuta imposta di soggiorno");
    note.orientation = QPageLayout::Portrait;
    note.title = QStringLiteral("RICEVUTA DELL'IMPOSTA DI SOGGIORNO");
    const int nights = stay.taxStay().nights();
    const QString head = stay.guests.isEmpty() ? QString() : stay.guests.first().fullName();
    note.parameters = {
        QStringLiteral("Comune di %1.").arg(comuneLabel),
        QStringLiteral("Gestore: %1, codice fiscale %2.").arg(stay.landlord, stay.landlordFiscalCode),
        QStringLiteral("Struttura: %1.").arg(stay.property.label),
        QStringLiteral("Ricevuta da: %1, per il soggiorno dal %2 al %3 (%4, %5 ospiti).")
            .arg(head, DateText::format(stay.arrival), DateText::format(stay.departure), nightsText(nights))
            .arg(stay.guests.size()),
        QStringLiteral("Totale dell'imposta riscossa: %1.").arg(EuroAmount::withEuroSign(tax.total.amountCents)),
    };

    ReportSection guests;
    guests.heading = QStringLiteral("Imposta per ospite");
    guests.sheetName = QStringLiteral("Imposta");
    guests.columns = kColumns;
    for (qsizetype g = 0; g < stay.guests.size() && g < tax.guests.size(); ++g) {
        const StayTax::GuestTax &guestTax = tax.guests.at(g);
        guests.rows.append({stay.guests.at(g).fullName(), QString::number(guestTax.nights.taxable),
                            ratesText(guestTax.rates), exemptionText(guestTax),
                            EuroAmount::format(guestTax.nights.amountCents)});
    }
    guests.totals = {QStringLiteral("Totale"), QString::number(tax.total.taxable), QString(),
                     tax.total.exemptTotal() > 0 ? nightsText(tax.total.exemptTotal()) + QStringLiteral(" esenti")
                                                 : QString(),
                     EuroAmount::format(tax.total.amountCents)};
    note.sections = {guests};
    note.notes = {
        QStringLiteral("Imposta riscossa per conto del Comune di %1, secondo il suo regolamento dell'imposta di "
                       "soggiorno, e da esso dovuta: il gestore la versa al Comune nei termini previsti.")
            .arg(comuneLabel),
        QString(),
        QStringLiteral("Firma del gestore: ____________________________________"),
    };
    note.footer = QStringLiteral("Rilasciata in data [DATE]");
    note.fileWords = QStringLiteral("Imposta di soggiorno");
    note.fileData = head + QLatin1Char(' ') + DateText::format(stay.arrival).replace(QLatin1Char('/'), QLatin1Char('-'));
    return note;
}

} // namespace TaxNote
