#include "engine/contracts/BookingOverlap.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/archive/ShortStringField.h"
#include "engine/properties/PropertyAddress.h"
#include "engine/text/DateText.h"

#include <algorithm>

namespace {

// The nights of a stay as Julian days, the last one excluded.
struct Nights
{
    qint64 first;
    qint64 end;
};

std::optional<Nights> nightsOf(const std::optional<QDate> &start, const std::optional<QDate> &end)
{
    if (!start || !end || *end < *start)
        return std::nullopt;
    const qint64 first = start->toJulianDay();
    return Nights{first, std::max(end->toJulianDay(), first + 1)};
}

bool overlap(const Nights &a, const Nights &b)
{
    return a.first < b.end && b.first < a.end;
}

} // namespace

namespace BookingOverlap {

std::optional<Booking> findOverlap(const ArchiveFile &contracts, const Record &contract, qint64 ownPosition)
{
    const RecordLayout &layout = RecordLayouts::contratto();
    Q_ASSERT_X(&contract.layout() == &layout, "BookingOverlap", "not a contract");
    const PropertyAddress property(layout, {contract.value(QStringLiteral("ComuneImm")),
                                            contract.value(QStringLiteral("ViaImm")),
                                            contract.value(QStringLiteral("Scala")),
                                            contract.value(QStringLiteral("Interno"))});
    const std::optional<Nights> stay = nightsOf(DateText::parse(contract.value(QStringLiteral("InizioCon"))),
                                                DateText::parse(contract.value(QStringLiteral("FineCon"))));
    if (property.isEmpty() || !stay)
        return std::nullopt;

    const int startField = layout.indexOf(QStringLiteral("InizioCon"));
    const int endField = layout.indexOf(QStringLiteral("FineCon"));
    std::optional<Booking> found;
    contracts.scanBytes([&](qint64 k, const char *bytes) {
        if (k == ownPosition || !property.matches(bytes))
            return true;
        const std::optional<Nights> other = nightsOf(
            ShortStringField::loadDate(bytes + layout.offset(startField), layout.capacity(startField)),
            ShortStringField::loadDate(bytes + layout.offset(endField), layout.capacity(endField)));
        if (!other || !overlap(*stay, *other))
            return true;
        const Record record = Record::decode(layout, QByteArray(bytes, layout.recordSize()));
        found = Booking{k, record.value(QStringLiteral("Conduttore")), record.value(QStringLiteral("InizioCon")),
                        record.value(QStringLiteral("FineCon"))};
        return false;
    });
    return found;
}

QString question(const Booking &booking)
{
    return QStringLiteral("Attenzione: l'immobile risulta già locato a %1 dal %2 al %3.\n\n"
                          "Salvare comunque il contratto?")
        .arg(booking.tenant, booking.start, booking.end);
}

} // namespace BookingOverlap
