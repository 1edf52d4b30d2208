#include "engine/properties/PropertyCodes.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/archive/ShortStringField.h"
#include "engine/properties/PropertyAddress.h"
#include "engine/text/TextRules.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace {

const QString kCinPrefix = QStringLiteral("IT");
constexpr int kCinMaxTail = 16;

bool sameOwner(const PropertyCodes::Owner &a, const PropertyCodes::Owner &b)
{
    return TextRules::equalsIgnoringAsciiCase(TextRules::trimmed(a.fiscalCode), TextRules::trimmed(b.fiscalCode))
        && TextRules::equalsIgnoringAsciiCase(TextRules::trimmed(a.name), TextRules::trimmed(b.name));
}

PropertyCodes::Stored judge(const Record &stored, const PropertyCodes::Owner &owner)
{
    using namespace PropertyCodes;
    const Codes codes{stored.value(QStringLiteral("CIN")), stored.value(QStringLiteral("CodiceRegionale")),
                      stored.value(QStringLiteral("IdAppartamento"))};
    const Owner savedFor{stored.value(QStringLiteral("CodFiscLoc")), stored.value(QStringLiteral("Locatore"))};
    // An empty record (one put before a later position) has no codes.
    if (codes.isEmpty())
        return {};
    if (!sameOwner(savedFor, owner))
        return {Link::Stale, {}, savedFor};
    return {Link::Valid, codes, {}};
}

bool isCinCharacter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace

namespace PropertyCodes {

const RecordLayout &layout()
{
    static const RecordLayout layout(QStringLiteral("Codici_Immobili.dat"), {
        {"CodFiscLoc", 16}, {"Locatore", 50}, {"CIN", 18}, {"CodiceRegionale", 50}, {"IdAppartamento", 6},
    });
    return layout;
}

QString filePath(const QString &programFolder)
{
    return programFolder + layout().archiveName();
}

std::optional<QString> validCin(const QString &typed)
{
    const QString cin = TextRules::upperAscii(TextRules::trimmed(typed));
    if (cin.isEmpty())
        return cin;
    if (!cin.startsWith(kCinPrefix) || cin.size() == kCinPrefix.size()
        || cin.size() > kCinPrefix.size() + kCinMaxTail)
        return std::nullopt;
    if (!std::all_of(cin.cbegin() + kCinPrefix.size(), cin.cend(), isCinCharacter))
        return std::nullopt;
    return cin;
}

std::optional<Record> landlordRecord(const QString &programFolder, qint64 position)
{
    const RecordLayout &landlords = RecordLayouts::locatore();
    ArchiveFile archive(programFolder + landlords.archiveName(), landlords.recordSize());
    QByteArray bytes;
    if (!archive.open() || !archive.read(position, &bytes))
        return std::nullopt;
    return Record::decode(landlords, bytes);
}

Owner ownerOf(const Record &landlord)
{
    return {landlord.value(QStringLiteral("CodFiscLoc")), landlord.value(QStringLiteral("Locatore"))};
}

std::optional<Stored> load(const QString &programFolder, qint64 position, const Owner &owner)
{
    // Looking is no reason to create the file.
    if (!QFile::exists(filePath(programFolder)))
        return Stored{};
    ArchiveFile file(filePath(programFolder), layout().recordSize());
    if (!file.open())
        return std::nullopt;
    const qint64 records = file.count();
    if (records < 0)
        return std::nullopt;
    if (position < 1 || position > records)
        return Stored{};
    QByteArray bytes;
    if (!file.read(position, &bytes))
        return std::nullopt;
    return judge(Record::decode(layout(), bytes), owner);
}

bool save(const QString &programFolder, qint64 position, const Owner &owner, const Codes &codes)
{
    if (position < 1)
        return false;
    Record record(layout());
    record.setValue(QStringLiteral("CodFiscLoc"), owner.fiscalCode);
    record.setValue(QStringLiteral("Locatore"), owner.name);
    record.setValue(QStringLiteral("CIN"), codes.cin);
    record.setValue(QStringLiteral("CodiceRegionale"), codes.regionalCode);
    record.setValue(QStringLiteral("IdAppartamento"), codes.apartmentId);
    ArchiveFile file(filePath(programFolder), layout().recordSize());
    return file.open() && file.growTo(position - 1) && file.write(position, record.encode());
}

std::optional<Codes> findForProperty(const QString &programFolder, const QString &comuneImm, const QString &viaImm,
                                     const QString &scala, const QString &interno)
{
    const RecordLayout &landlords = RecordLayouts::locatore();
    const PropertyAddress property(landlords, {comuneImm, viaImm, scala, interno});
    const QString archivePath = programFolder + landlords.archiveName();
    if (property.isEmpty() || !QFile::exists(archivePath) || !QFile::exists(filePath(programFolder)))
        return std::nullopt;

    // The cards of the property, read under the archive's lock and looked
    // up in the codes file after it is released: the two locks are never
    // held together.
    struct Card
    {
        qint64 position;
        Owner owner;
    };
    std::vector<Card> cards;
    {
        const auto text = [&landlords](const char *bytes, const char *field) {
            const int index = landlords.indexOf(QLatin1String(field));
            return ShortStringField::load(bytes + landlords.offset(index), landlords.capacity(index));
        };
        ArchiveFile archive(archivePath, landlords.recordSize());
        const bool read = archive.open() && archive.scanBytes([&](qint64 k, const char *bytes) {
            if (property.matches(bytes))
                cards.push_back({k, {text(bytes, "CodFiscLoc"), text(bytes, "Locatore")}});
            return true;
        }) != ArchiveFile::ScanOutcome::Failed;
        if (!read)
            return std::nullopt;
    }
    if (cards.empty())
        return std::nullopt;

    ArchiveFile file(filePath(programFolder), layout().recordSize());
    if (!file.open())
        return std::nullopt;
    const qint64 records = file.count();
    for (auto card = cards.crbegin(); card != cards.crend(); ++card) {
        QByteArray bytes;
        if (card->position > records)
            continue;
        if (!file.read(card->position, &bytes))
            return std::nullopt;
        const Stored stored = judge(Record::decode(layout(), bytes), card->owner);
        if (stored.link == Link::Valid)
            return stored.codes;
    }
    return std::nullopt;
}

} // namespace PropertyCodes
