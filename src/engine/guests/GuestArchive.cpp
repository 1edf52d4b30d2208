#include "engine/guests/GuestArchive.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <QDir>

#include <array>
#include <vector>

namespace {

// One guest's block of fields, repeated kMaxGuests times as Tipo01,
// Cognome01, ... Esenzione30.
struct GuestField
{
    const char *stem;
    int capacity;
};
constexpr std::array<GuestField, 12> kGuestFields = {{
    {"Tipo", 2},
    {"Cognome", 50},
    {"Nome", 30},
    {"Sesso", 1},
    {"DataNascita", 10},
    {"LuogoNascita", 9},
    {"Cittadinanza", 9},
    {"Residenza", 9},
    {"TipoDoc", 5},
    {"NumDoc", 20},
    {"LuogoRilascio", 9},
    {"Esenzione", 60},
}};
constexpr int kHeaderFields = 3;  // Conduttore, InizioCon, NumOspiti

// The field names, built once and kept for the life of the program: the
// layout refers to them.
const std::vector<QByteArray> &guestFieldNames()
{
    static const std::vector<QByteArray> names = [] {
        std::vector<QByteArray> result;
        for (int guest = 1; guest <= GuestArchive::kMaxGuests; ++guest) {
            for (const GuestField &field : kGuestFields)
                result.push_back(QByteArray(field.stem) + QByteArray::number(guest).rightJustified(2, '0'));
        }
        return result;
    }();
    return names;
}

int fieldIndex(int guest, int field)
{
    return kHeaderFields + guest * static_cast<int>(kGuestFields.size()) + field;
}

QString sexText(QChar sex)
{
    return sex.isNull() ? QString() : QString(sex);
}

QChar sexOf(const QString &text)
{
    return text == QLatin1String("M") || text == QLatin1String("F") ? text.at(0) : QChar();
}

GuestType typeOf(const QString &text)
{
    const int code = text.toInt();
    return isGuestTypeCode(code) ? static_cast<GuestType>(code) : GuestType::Single;
}

} // namespace

namespace GuestArchive {

QString fileName()
{
    return QStringLiteral("Archivio_Ospiti.pro");
}

Link linkOf(const Record &contract)
{
    return {TextRules::trimmed(contract.value(QStringLiteral("Conduttore"))),
            TextRules::trimmed(contract.value(QStringLiteral("InizioCon")))};
}

const RecordLayout &layout()
{
    static const RecordLayout guests = [] {
        std::vector<RecordFieldDef> fields = {{"Conduttore", 50}, {"InizioCon", 10}, {"NumOspiti", 2}};
        const std::vector<QByteArray> &names = guestFieldNames();
        for (std::size_t i = 0; i < names.size(); ++i)
            fields.push_back({names[i].constData(), kGuestFields[i % kGuestFields.size()].capacity});
        return RecordLayout(fileName(), std::move(fields));
    }();
    return guests;
}

QByteArray encode(const Link &contract, const QList<Guest> &guests)
{
    Q_ASSERT(guests.size() <= kMaxGuests);
    QStringList texts(layout().fieldCount());
    texts[0] = contract.tenant;
    texts[1] = contract.start;
    texts[2] = QString::number(guests.size());
    for (int g = 0; g < guests.size() && g < kMaxGuests; ++g) {
        const Guest &guest = guests.at(g);
        const QStringList values = {
            QString::number(static_cast<int>(guest.type)),
            guest.surname,
            guest.name,
            sexText(guest.sex),
            guest.birthDate.isValid() ? DateText::format(guest.birthDate) : QString(),
            guest.birthPlace,
            guest.citizenship,
            guest.residence,
            guest.documentType,
            guest.documentNumber,
            guest.documentPlace,
            guest.taxExemption,
        };
        for (int f = 0; f < values.size(); ++f)
            texts[fieldIndex(g, f)] = values.at(f);
    }
    return layout().encode(texts);
}

Loaded decode(const QByteArray &record, const Link &contract)
{
    Loaded result;
    const QStringList texts = layout().decode(record);
    bool counted = false;
    const int count = texts.at(2).toInt(&counted);
    if (!counted || count <= 0 || count > kMaxGuests)
        return result;  // an empty record: no list at this position
    result.storedFor = {texts.at(0), texts.at(1)};
    if (!(result.storedFor == contract)) {
        result.state = Loaded::State::Stale;
        return result;
    }
    result.state = Loaded::State::Found;
    for (int g = 0; g < count; ++g) {
        const auto value = [&](int f) { return texts.at(fieldIndex(g, f)); };
        Guest guest;
        guest.type = typeOf(value(0));
        guest.surname = value(1);
        guest.name = value(2);
        guest.sex = sexOf(value(3));
        guest.birthDate = DateText::parse(value(4)).value_or(QDate());
        guest.birthPlace = value(5);
        guest.citizenship = value(6);
        guest.residence = value(7);
        guest.documentType = value(8);
        guest.documentNumber = value(9);
        guest.documentPlace = value(10);
        guest.taxExemption = value(11);
        result.guests.append(guest);
    }
    return result;
}

Loaded load(const QString &programFolder, qint64 position, const Link &contract)
{
    Loaded result;
    ArchiveFile file(QDir(programFolder).filePath(fileName()), layout().recordSize());
    if (!file.open()) {
        result.state = Loaded::State::Unreadable;
        return result;
    }
    const qint64 records = file.count();
    if (records < 0) {
        result.state = Loaded::State::Unreadable;
        return result;
    }
    if (position < 1 || position > records)
        return result;
    QByteArray record;
    if (!file.read(position, &record)) {
        result.state = Loaded::State::Unreadable;
        return result;
    }
    return decode(record, {TextRules::trimmed(contract.tenant), TextRules::trimmed(contract.start)});
}

bool save(const QString &programFolder, qint64 position, const Link &contract, const QList<Guest> &guests)
{
    if (position < 1 || guests.size() > kMaxGuests)
        return false;
    const QByteArray record = encode(contract, guests);
    ArchiveFile file(QDir(programFolder).filePath(fileName()), layout().recordSize());
    if (!file.open())
        return false;
    // The positions before this one that hold no list yet get empty
    // records, so that record k stays the list of contract k.
    if (!file.growTo(position - 1))
        return false;
    return file.write(position, record);
}

} // namespace GuestArchive
