#include "engine/reports/TaxReturn.h"

#include "engine/text/DateText.h"
#include "engine/text/EuroAmount.h"

#include <algorithm>
#include <array>

namespace {

using StayTax::Exemption;

constexpr std::array kColumns = {
    ReportColumn{"Contr.", 70, true},
    ReportColumn{"Conduttore", 260, false},
    ReportColumn{"Arrivo", 110, false},
    ReportColumn{"Partenza", 110, false},
    ReportColumn{"Notti", 70, true},
    ReportColumn{"Ospiti", 70, true},
    ReportColumn{"Pernott. imponibili", 130, true},
    ReportColumn{"Esenti età", 100, true},
    ReportColumn{"Esenti residenza", 120, true},
    ReportColumn{"Esenti altro motivo", 130, true},
    ReportColumn{"Esenti oltre max notti", 140, true},
    ReportColumn{"Senza regola", 100, true},
    ReportColumn{"Imposta €", 110, true},
};

QStringList countCells(const StayTax::NightCounts &nights)
{
    return {QString::number(nights.taxable),
            QString::number(nights.exemptFor(Exemption::Age)),
            QString::number(nights.exemptFor(Exemption::Residence)),
            QString::number(nights.exemptFor(Exemption::OtherReason)),
            QString::number(nights.exemptFor(Exemption::BeyondMaxNights)),
            QString::number(nights.withoutRule),
            EuroAmount::format(nights.amountCents)};
}

} // namespace

namespace TaxReturn {

Summary compute(const ReportStayList &stays, const QList<TaxRule> &rules, const QString &comuneCode,
                const QString &comuneLabel, const ReportPeriod &period)
{
    Summary summary;
    summary.comuneLabel = comuneLabel;
    summary.period = period;
    summary.unreadableContracts = stays.unreadable;
    for (const ReportStay &stay : stays.stays) {
        const int nights = ReportStays::nightsBetween(stay, period.first, period.last);
        if (nights == 0)
            continue;
        if (stay.property.comuneCode.isEmpty()) {
            ++summary.unknownComune;
            continue;
        }
        if (stay.property.comuneCode != comuneCode)
            continue;
        StayLine line{&stay, nights, StayTax::compute(stay.taxStay(), rules, period.first, period.last)};
        summary.total += line.tax.total;
        summary.guests += int(stay.guests.size());
        if (!stay.guestsRecorded)
            ++summary.withoutGuestList;
        summary.lines.append(line);
    }
    std::stable_sort(summary.lines.begin(), summary.lines.end(), [](const StayLine &a, const StayLine &b) {
        return a.stay->arrival < b.stay->arrival;
    });
    return summary;
}

ReportTable table(const Summary &summary)
{
    ReportTable report;
    report.reportName = QStringLiteral("Imposta di soggiorno");
    report.title = QStringLiteral("IMPOSTA DI SOGGIORNO - COMUNE DI %1 - %2")
                       .arg(summary.comuneLabel, summary.period.name.toUpper());
    const StayTax::NightCounts &total = summary.total;
    report.parameters = {
        QStringLiteral("Comune: %1.  Periodo: %2 (%3).")
            .arg(summary.comuneLabel, summary.period.name, summary.period.range()),
        QStringLiteral("Soggiorni: %1.  Ospiti: %2.  Pernottamenti imponibili: %3.  Pernottamenti esenti: %4 "
                       "(età %5, residenza %6, altro motivo %7, oltre il massimo di notti %8).")
            .arg(summary.lines.size())
            .arg(summary.guests)
            .arg(total.taxable)
            .arg(total.exemptTotal())
            .arg(total.exemptFor(Exemption::Age))
            .arg(total.exemptFor(Exemption::Residence))
            .arg(total.exemptFor(Exemption::OtherReason))
            .arg(total.exemptFor(Exemption::BeyondMaxNights)),
        QStringLiteral("Imposta dovuta: %1.").arg(EuroAmount::withEuroSign(total.amountCents)),
    };

    ReportSection section;
    section.heading = QStringLiteral("Soggiorni nel periodo");
    section.sheetName = QStringLiteral("Imposta di soggiorno");
    section.columns = kColumns;
    int nights = 0;
    for (const StayLine &line : summary.lines) {
        const ReportStay &stay = *line.stay;
        section.rows.append(QStringList{QString::number(stay.position), stay.tenant, DateText::format(stay.arrival),
                                        DateText::format(stay.departure), QString::number(line.nights),
                                        QString::number(stay.guests.size())}
                            + countCells(line.tax.total));
        nights += line.nights;
    }
    section.totals = QStringList{QStringLiteral("Totale"),
                                 QStringLiteral("%1 soggiorni").arg(summary.lines.size()), QString(), QString(),
                                 QString::number(nights), QString::number(summary.guests)}
                     + countCells(total);
    report.sections = {section};

    report.notes.append(QStringLiteral(
        "Le notti sono attribuite al periodo in cui cadono: un soggiorno a cavallo di due periodi è dichiarato in "
        "entrambi, ciascuno con le sole sue notti; il numero massimo di notti si conta dalla prima notte del "
        "soggiorno. I pernottamenti sono notti per ospite."));
    if (total.withoutRule > 0)
        report.notes.append(QStringLiteral("%1 pernottamenti cadono in giorni senza una regola dell'imposta per il "
                                           "comune: non sono tassati. Controllare le regole dell'imposta.")
                                .arg(total.withoutRule));
    if (summary.withoutGuestList > 0)
        report.notes.append(ReportStays::withoutGuestListNote(summary.withoutGuestList));
    if (summary.unknownComune > 0)
        report.notes.append(QStringLiteral("%1 soggiorni del periodo sono in immobili il cui comune non si trova "
                                           "nelle tabelle dei comuni: non sono compresi.")
                                .arg(summary.unknownComune));
    if (summary.unreadableContracts > 0)
        report.notes.append(ReportStays::unreadableContractsNote(summary.unreadableContracts));
    report.fileWords = QStringLiteral("Imposta di soggiorno");
    report.fileData = summary.comuneLabel + QLatin1Char(' ') + summary.period.name;
    return report;
}

} // namespace TaxReturn
