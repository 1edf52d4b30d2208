#include "engine/reports/ReportStays.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/diagnostics/Logging.h"
#include "engine/guests/FirstGuest.h"
#include "engine/guests/GuestArchive.h"
#include "engine/guests/PoliceCodes.h"
#include "engine/properties/PropertyAddress.h"
#include "engine/tax/StayComune.h"
#include "engine/text/DateText.h"
#include "engine/text/EuroAmount.h"
#include "engine/text/TextRules.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>

namespace {

QString propertyLabel(const PropertyAddress::Texts &address, const QString &province)
{
    QString label = address.via;
    if (!address.scala.isEmpty())
        label += QStringLiteral(", scala ") + address.scala;
    if (!address.interno.isEmpty())
        label += QStringLiteral(", int. ") + address.interno;
    QString place = address.comune;
    if (!province.isEmpty())
        place += QStringLiteral(" (") + province + QLatin1Char(')');
    if (label.isEmpty())
        return place;
    return place.isEmpty() ? label : label + QStringLiteral(" - ") + place;
}

// The comuni of the contracts, each looked up once.
class ComuneLookup
{
public:
    explicit ComuneLookup(const PoliceCodes &codes) : m_codes(codes) {}

    QString code(const QString &name, const QString &province)
    {
        const QString key = name + QLatin1Char('|') + province;
        const auto known = m_found.constFind(key);
        if (known != m_found.cend())
            return *known;
        const std::optional<PolicePlace> comune = StayComune::of(m_codes, name, province);
        const QString code = comune ? comune->code : QString();
        m_found.insert(key, code);
        return code;
    }

    QString placeCode(const QString &name, const QString &province)
    {
        const std::optional<PolicePlace> place = m_codes.findPlace(name, province);
        return place ? place->code : QString();
    }

private:
    const PoliceCodes &m_codes;
    QHash<QString, QString> m_found;
};

// Reads the guests of the stays from the guests archive, when there is one.
bool readGuests(const QString &programFolder, QList<ReportStay> &stays, const QHash<qint64, qsizetype> &byPosition,
                const QList<GuestArchive::Link> &links)
{
    const QString path = QDir(programFolder).filePath(GuestArchive::fileName());
    if (!QFile::exists(path))
        return true;
    ArchiveFile guests(path, GuestArchive::layout().recordSize());
    if (!guests.open())
        return false;
    return guests.scan([&](qint64 k, const QByteArray &record) {
        const auto stay = byPosition.constFind(k);
        if (stay == byPosition.cend())
            return true;
        const GuestArchive::Loaded loaded = GuestArchive::decode(record, links.at(*stay));
        if (loaded.state == GuestArchive::Loaded::State::Found && !loaded.guests.isEmpty()) {
            stays[*stay].guests = loaded.guests;
            stays[*stay].guestsRecorded = true;
        }
        return true;
    });
}

} // namespace

namespace ReportStays {

std::optional<ReportStayList> read(const QString &programFolder, const PoliceCodes &codes)
{
    ReportStayList result;
    const RecordLayout &layout = RecordLayouts::contratto();
    const QString path = QDir(programFolder).filePath(layout.archiveName());
    // Reports never create an archive: no file, no stays.
    if (!QFile::exists(path))
        return result;
    ArchiveFile contracts(path, layout.recordSize());
    if (!contracts.open()) {
        qCWarning(lcArchive) << "the reports cannot open" << path;
        return std::nullopt;
    }
    ComuneLookup comuni(codes);
    QHash<qint64, qsizetype> byPosition;
    QList<GuestArchive::Link> links;
    // Kept for the stays the guests archive has no list for.
    QList<Record> records;
    const bool read = contracts.scan([&](qint64 k, const QByteArray &bytes) {
        const Record record = Record::decode(layout, bytes);
        const auto field = [&record](const char *name) { return record.value(QLatin1String(name)); };
        ReportStay stay = stayOf(record);
        if (!stay.arrival.isValid() || !stay.departure.isValid() || stay.departure < stay.arrival) {
            ++result.unreadable;
            return true;
        }
        stay.position = k;
        stay.property.comuneCode = comuni.code(stay.property.comune, stay.property.province);
        byPosition.insert(k, result.stays.size());
        links.append(GuestArchive::linkOf(record));
        result.stays.append(stay);
        records.append(record);
        return true;
    });
    contracts.close();
    if (!read) {
        qCWarning(lcArchive) << "the reports cannot read" << path;
        return std::nullopt;
    }
    if (!readGuests(programFolder, result.stays, byPosition, links)) {
        qCWarning(lcArchive) << "the reports cannot read the guests archive in" << programFolder;
        return std::nullopt;
    }
    const auto placeCode = [&comuni](const QString &name, const QString &province) {
        return comuni.placeCode(name, province);
    };
    for (qsizetype s = 0; s < result.stays.size(); ++s) {
        if (!result.stays.at(s).guestsRecorded)
            result.stays[s].guests = {FirstGuest::fromContract(records.at(s), std::nullopt, placeCode)};
    }
    return result;
}

ReportStay stayOf(const Record &contract)
{
    const auto field = [&contract](const char *name) { return contract.value(QLatin1String(name)); };
    ReportStay stay;
    stay.arrival = DateText::parse(field("InizioCon")).value_or(QDate());
    stay.departure = DateText::parse(field("FineCon")).value_or(QDate());
    stay.property = propertyOf(contract);
    stay.landlord = field("Locatore");
    stay.landlordFiscalCode = TextRules::upperAscii(field("CodFiscLoc"));
    stay.tenant = field("Conduttore");
    stay.rentCents = EuroAmount::parseCents(field("ImpCanone"));
    return stay;
}

ReportProperty propertyOf(const Record &contract)
{
    const auto field = [&contract](const char *name) { return contract.value(QLatin1String(name)); };
    const PropertyAddress::Texts address{field("ComuneImm"), field("ViaImm"), field("Scala"), field("Interno")};
    ReportProperty property;
    property.key = PropertyAddress(contract.layout(), address).key();
    property.comune = address.comune;
    property.province = TextRules::upperAscii(field("ProvImm"));
    property.label = propertyLabel(address, property.province);
    return property;
}

int nightsBetween(const ReportStay &stay, const QDate &first, const QDate &last)
{
    const QDate from = std::max(stay.arrival, first);
    const QDate to = std::min(stay.departure.addDays(-1), last);
    return from <= to ? int(from.daysTo(to)) + 1 : 0;
}

QString withoutGuestListNote(int stays)
{
    return QStringLiteral("Per %1 soggiorni non è registrato l'elenco degli ospiti: è contato il solo conduttore.")
        .arg(stays);
}

QString unreadableContractsNote(int contracts)
{
    return QStringLiteral("%1 contratti con date mancanti o non valide non sono considerati.").arg(contracts);
}

} // namespace ReportStays
