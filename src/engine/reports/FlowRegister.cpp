#include "engine/reports/FlowRegister.h"

#include "engine/guests/PoliceCodes.h"
#include "engine/text/DateText.h"
#include "engine/text/ProgramFormats.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace {

constexpr std::array kDayColumns = {
    ReportColumn{"Giorno", 200, false},
    ReportColumn{"Presenti la notte precedente", 200, true},
    ReportColumn{"Arrivati", 120, true},
    ReportColumn{"Partiti", 120, true},
    ReportColumn{"Presenti la notte", 160, true},
};

constexpr std::array kOriginColumns = {
    ReportColumn{"Residenti in", 120, false},
    ReportColumn{"Provincia o Stato estero", 320, false},
    ReportColumn{"Arrivi", 120, true},
    ReportColumn{"Presenze", 120, true},
};

// Where a guest comes from, as the register groups them.
FlowRegister::Origin originOf(const Guest &guest, const PoliceCodes &codes)
{
    const std::optional<PolicePlace> place = codes.place(guest.residence);
    if (!place)
        return {QStringLiteral("non indicata"), false, false};
    if (place->kind == PlaceKind::Comune)
        return {place->province, false, true};
    // Italy as a state of residence: a resident whose comune is unknown.
    if (place->code == PoliceCodes::italyCode())
        return {QStringLiteral("provincia non indicata"), false, true};
    return {place->name, true, true};
}

QString dayText(const QDate &date)
{
    return DateText::format(date) + QLatin1Char(' ')
        + ProgramFormats::locale().dayName(date.dayOfWeek(), QLocale::ShortFormat);
}

} // namespace

namespace FlowRegister {

Register compute(const ReportStayList &stays, const QByteArray &propertyKey, int year, int month,
                 const PoliceCodes &codes)
{
    Register book;
    book.month = ReportPeriods::month(year, month);
    const QDate first = book.month.first;
    const QDate last = book.month.last;
    for (QDate day = first; day <= last; day = day.addDays(1))
        book.days.append(Day{day});

    QHash<QString, qsizetype> originAt;
    for (const ReportStay &stay : stays.stays) {
        if (stay.property.key != propertyKey)
            continue;
        book.property = stay.property;
        // Any day of the stay, from arrival to departure, in the month; the
        // night before the first day counts too.
        if (stay.departure < first.addDays(-1) || stay.arrival > last)
            continue;
        const int guests = int(stay.guests.size());
        const bool inMonth = stay.departure >= first;
        if (inMonth) {
            ++book.stays;
            if (!stay.guestsRecorded)
                ++book.withoutGuestList;
        }
        for (Day &day : book.days) {
            const QDate before = day.date.addDays(-1);
            if (stay.arrival <= before && before < stay.departure)
                day.presentBefore += guests;
            if (stay.arrival == day.date)
                day.arrivals += guests;
            if (stay.departure == day.date)
                day.departures += guests;
            if (stay.arrival <= day.date && day.date < stay.departure)
                day.present += guests;
        }
        if (!inMonth)
            continue;
        const bool arrives = stay.arrival >= first;
        const int nights = ReportStays::nightsBetween(stay, first, last);
        for (const Guest &guest : stay.guests) {
            const Origin origin = originOf(guest, codes);
            const QString key = QString::number(origin.abroad) + QString::number(origin.known) + origin.label;
            auto at = originAt.constFind(key);
            if (at == originAt.cend()) {
                at = originAt.insert(key, book.origins.size());
                book.origins.append(origin);
            }
            Origin &counted = book.origins[*at];
            counted.arrivals += arrives ? 1 : 0;
            counted.presences += nights;
        }
    }
    for (const Day &day : book.days) {
        book.arrivals += day.arrivals;
        book.departures += day.departures;
        book.presences += day.present;
    }
    std::stable_sort(book.origins.begin(), book.origins.end(), [](const Origin &a, const Origin &b) {
        const auto rank = [](const Origin &o) { return !o.known ? 2 : o.abroad ? 1 : 0; };
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        return a.label < b.label;
    });
    return book;
}

ReportTable table(const Register &book)
{
    ReportTable report;
    report.reportName = QStringLiteral("Movimento dei clienti");
    report.title = QStringLiteral("MOVIMENTO DEI CLIENTI - %1").arg(book.month.name.toUpper());
    report.parameters = {
        QStringLiteral("Struttura: %1.").arg(book.property.label),
        QStringLiteral("Mese: %1 (%2).  Soggiorni: %3.  Arrivi: %4.  Partenze: %5.  Presenze: %6.")
            .arg(book.month.name, book.month.range())
            .arg(book.stays)
            .arg(book.arrivals)
            .arg(book.departures)
            .arg(book.presences),
    };

    ReportSection days;
    days.heading = QStringLiteral("Movimento giornaliero");
    days.sheetName = QStringLiteral("Movimento giornaliero");
    days.columns = kDayColumns;
    for (const Day &day : book.days) {
        days.rows.append({dayText(day.date), QString::number(day.presentBefore), QString::number(day.arrivals),
                          QString::number(day.departures), QString::number(day.present)});
    }
    days.totals = {QStringLiteral("Totale del mese"), QString(), QString::number(book.arrivals),
                   QString::number(book.departures), QString::number(book.presences)};

    ReportSection origins;
    origins.heading = QStringLiteral("Arrivi e presenze del mese per residenza");
    origins.sheetName = QStringLiteral("Per residenza");
    origins.columns = kOriginColumns;
    int arrivals = 0;
    int presences = 0;
    for (const Origin &origin : book.origins) {
        const QString where = !origin.known ? QStringLiteral("-")
            : origin.abroad                 ? QStringLiteral("Estero")
                                            : QStringLiteral("Italia");
        origins.rows.append({where, origin.label, QString::number(origin.arrivals), QString::number(origin.presences)});
        arrivals += origin.arrivals;
        presences += origin.presences;
    }
    origins.totals = {QStringLiteral("Totale"), QString(), QString::number(arrivals), QString::number(presences)};
    report.sections = {days, origins};

    report.notes = {QStringLiteral(
        "Schema del modello ISTAT C/59 (Movimento dei clienti negli esercizi ricettivi). Arrivi: ospiti giunti nel "
        "mese; presenze: notti trascorse nel mese, una per ospite e notte. I residenti in Italia sono raggruppati "
        "per provincia, i residenti all'estero per Stato.")};
    if (book.withoutGuestList > 0)
        report.notes.append(ReportStays::withoutGuestListNote(book.withoutGuestList));
    report.fileWords = QStringLiteral("Movimento clienti");
    report.fileData = book.property.label + QLatin1Char(' ') + book.month.name;
    return report;
}

} // namespace FlowRegister
