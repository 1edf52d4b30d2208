#include "engine/guests/PoliceFile.h"

#include "engine/archive/Record.h"
#include "engine/diagnostics/Logging.h"
#include "engine/files/WholeFile.h"
#include "engine/guests/PoliceCodes.h"
#include "engine/guests/PoliceFileChecks.h"
#include "engine/guests/PoliceFileLayout.h"
#include "engine/guests/PoliceText.h"
#include "engine/print/DocumentFileName.h"
#include "engine/properties/PropertyCodes.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

namespace {

using PoliceFileLayout::Field;

// A line of blanks that fields are written into.
class Line
{
public:
    explicit Line(int length) : m_text(length, QLatin1Char(' ')) {}

    // The text from the field's start, cut at its width; the rest stays
    // blank.
    void put(Field field, const QString &text)
    {
        const qsizetype length = std::min<qsizetype>(text.size(), field.width);
        m_text.replace(field.start, length, text.left(length));
    }

    const QString &text() const { return m_text; }

private:
    QString m_text;
};

QString code(const QString &value)
{
    return TextRules::trimmed(value);
}

// The line of one checked guest.
QString guestLine(const Stay &stay, const Guest &guest, const PoliceCodes &codes)
{
    const QString apartment = PoliceText::documentNumber(stay.apartmentId);
    Line line(apartment.isEmpty() ? PoliceFileLayout::LineLength : PoliceFileLayout::LineLengthWithApartment);
    line.put(PoliceFileLayout::GuestType, QString::number(static_cast<int>(guest.type)));
    line.put(PoliceFileLayout::Arrival, DateText::format(stay.arrival));
    line.put(PoliceFileLayout::Nights, QStringLiteral("%1").arg(stay.nights, 2, 10, QLatin1Char('0')));
    line.put(PoliceFileLayout::Surname, PoliceText::letters(guest.surname));
    line.put(PoliceFileLayout::Name, PoliceText::letters(guest.name));
    line.put(PoliceFileLayout::Sex, guest.sex.toUpper() == u'M' ? QStringLiteral("1") : QStringLiteral("2"));
    line.put(PoliceFileLayout::BirthDate, DateText::format(guest.birthDate));

    const std::optional<PolicePlace> birthPlace = codes.place(code(guest.birthPlace));
    Q_ASSERT(birthPlace);  // checked before
    if (birthPlace->kind == PlaceKind::Comune) {
        line.put(PoliceFileLayout::BirthComune, birthPlace->code);
        line.put(PoliceFileLayout::BirthProvince, birthPlace->province);
        line.put(PoliceFileLayout::BirthState, PoliceCodes::italyCode());
    } else {
        line.put(PoliceFileLayout::BirthState, birthPlace->code);
    }
    line.put(PoliceFileLayout::Citizenship, code(guest.citizenship));

    if (!isMember(guest.type)) {
        line.put(PoliceFileLayout::DocumentType, TextRules::upperAscii(code(guest.documentType)));
        line.put(PoliceFileLayout::DocumentNumber, PoliceText::documentNumber(guest.documentNumber));
        line.put(PoliceFileLayout::DocumentPlace, code(guest.documentPlace));
    }
    if (!apartment.isEmpty())
        line.put(PoliceFileLayout::ApartmentId, apartment);
    return line.text();
}

} // namespace

namespace PoliceFile {

std::optional<int> nightsOf(const Record &contract)
{
    const std::optional<QDate> arrival = DateText::parse(contract.value(QStringLiteral("InizioCon")));
    const std::optional<QDate> departure = DateText::parse(contract.value(QStringLiteral("FineCon")));
    if (!arrival || !departure)
        return std::nullopt;
    return static_cast<int>(arrival->daysTo(*departure));
}

Stay stayOf(const QString &programFolder, const Record &contract)
{
    Stay stay;
    stay.arrival = DateText::parse(contract.value(QStringLiteral("InizioCon"))).value_or(QDate());
    stay.nights = nightsOf(contract).value_or(0);
    // Portal accounts that manage several apartments name the apartment on
    // each line.
    const std::optional<PropertyCodes::Codes> codes = PropertyCodes::findForProperty(
        programFolder, contract.value(QStringLiteral("ComuneImm")), contract.value(QStringLiteral("ViaImm")),
        contract.value(QStringLiteral("Scala")), contract.value(QStringLiteral("Interno")));
    if (codes)
        stay.apartmentId = codes->apartmentId;
    return stay;
}

PoliceFileResult build(const Stay &stay, const QList<Guest> &guests, const PoliceCodes &codes)
{
    PoliceFileResult result;
    result.problems = PoliceFileChecks::problems(stay, guests, codes);
    if (!result.problems.isEmpty())
        return result;
    QStringList lines;
    lines.reserve(guests.size());
    for (const Guest &guest : guests)
        lines.append(guestLine(stay, guest, codes));
    // The portal reads CR LF between lines and nothing after the last.
    result.bytes = lines.join(QStringLiteral("\r\n")).toLatin1();
    return result;
}

bool write(const QString &path, const QByteArray &bytes)
{
    if (!WholeFile::write(path, bytes)) {
        qCWarning(lcGuests) << "cannot write the guest file" << path;
        return false;
    }
    return true;
}

QString proposedFileName(const QDate &arrival, const QString &tenant)
{
    QString words = QStringLiteral("Schedine");
    if (arrival.isValid())
        words += QLatin1Char(' ') + arrival.toString(QStringLiteral("dd-MM-yyyy"));
    return DocumentFileName::safeName(words, tenant, QStringLiteral(".txt"));
}

} // namespace PoliceFile
