#include "engine/guests/ArrivingStays.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/archive/ShortStringField.h"
#include "engine/guests/GuestArchive.h"
#include "engine/guests/PoliceFile.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <QDir>

namespace ArrivingStays {

bool find(const QString &programFolder, const QDate &today, QList<Arrival> *arrivals)
{
    arrivals->clear();
    const RecordLayout &layout = RecordLayouts::contratto();
    const int start = layout.indexOf(QStringLiteral("InizioCon"));
    const QString todayText = DateText::format(today);
    const QString yesterdayText = DateText::format(today.addDays(-1));
    ArchiveFile file(QDir(programFolder).filePath(layout.archiveName()), layout.recordSize());
    if (!file.open())
        return false;
    const bool read = file.scan([&](qint64 k, const QByteArray &bytes) {
        const QString begins = ShortStringField::load(bytes.constData() + layout.offset(start), layout.capacity(start));
        if (begins == todayText || begins == yesterdayText)
            arrivals->append({k, Record::decode(layout, bytes), {}});
        return true;
    });
    file.close();
    if (!read)
        return false;
    for (Arrival &arrival : *arrivals) {
        const GuestArchive::Loaded loaded =
            GuestArchive::load(programFolder, arrival.position, GuestArchive::linkOf(arrival.contract));
        if (loaded.state == GuestArchive::Loaded::State::Found)
            arrival.guests = loaded.guests;
    }
    return true;
}

PoliceFileResult policeFile(const QString &programFolder, const QList<Arrival> &arrivals, const PoliceCodes &codes)
{
    PoliceFileResult result;
    for (const Arrival &arrival : arrivals) {
        const PoliceFileResult file =
            PoliceFile::build(PoliceFile::stayOf(programFolder, arrival.contract), arrival.guests, codes);
        const QString tenant = TextRules::trimmed(arrival.contract.value(QStringLiteral("Conduttore")));
        for (const QString &problem : file.problems)
            result.problems.append(tenant + QStringLiteral(" - ") + problem);
        if (!result.bytes.isEmpty())
            result.bytes.append("\r\n");
        result.bytes.append(file.bytes);
    }
    if (!result.ok())
        result.bytes.clear();
    return result;
}

} // namespace ArrivingStays
