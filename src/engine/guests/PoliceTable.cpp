#include "engine/guests/PoliceTable.h"

#include "engine/guests/PoliceCodes.h"
#include "engine/text/Cp1252.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QTime>

#include <optional>

// The resources of a static library are registered only when asked for
// (outside any namespace: Q_INIT_RESOURCE declares the register function).
static void registerPoliceTableResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(police_tables);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// The portal's file names and the tables' names in a sentence, in the
// order the tables window lists them.
struct TableNames
{
    PoliceTableKind kind;
    const char *file;
    const char *described;  // after "tabella"
};

constexpr TableNames kTableNames[] = {
    {PoliceTableKind::Comuni, "comuni.csv", "dei comuni"},
    {PoliceTableKind::States, "stati.csv", "degli stati"},
    {PoliceTableKind::DocumentTypes, "documenti.csv", "dei tipi di documento"},
    {PoliceTableKind::GuestTypes, "tipo_alloggiato.csv", "dei tipi di alloggiato"},
};

const TableNames &namesOf(PoliceTableKind kind)
{
    for (const TableNames &names : kTableNames) {
        if (names.kind == kind)
            return names;
    }
    Q_UNREACHABLE();
}

// The portal's province for a foreign state.
const QString kAbroad = QStringLiteral("ES");

bool hasEndDate(PoliceTableKind kind)
{
    return kind == PoliceTableKind::Comuni || kind == PoliceTableKind::States;
}

// The portal publishes ASCII; a file that an editor saved again may be in
// UTF-8 or in the Windows code page.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Cp1252::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString atLine(int line, const QString &what)
{
    return QStringLiteral("Riga %1: %2").arg(line).arg(what);
}

bool isUpperLetter(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

bool isCodeOfDigits(const QString &code, qsizetype length)
{
    return code.size() == length && TextRules::isDigitsOnly(code);
}

bool isDocumentCode(const QString &code)
{
    if (code.isEmpty() || code.size() > 5 || !isUpperLetter(code.at(0)))
        return false;
    for (QChar c : code) {
        if (!isUpperLetter(c) && !(c >= u'0' && c <= u'9'))
            return false;
    }
    return true;
}

// "dd/mm/yyyy", or "dd/mm/yyyy hh:mm:ss" as the portal writes it; the time
// says nothing more than the day.
std::optional<QDate> parseEndDate(const QString &text)
{
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        const QTime time = QTime::fromString(text.mid(blank + 1).trimmed(), QStringLiteral("HH:mm:ss"));
        if (!time.isValid())
            return std::nullopt;
    }
    const QString day = blank >= 0 ? text.left(blank) : text;
    if (day.size() != 10)
        return std::nullopt;
    return DateText::parse(day);
}

QString columnsExpected(PoliceTableKind kind)
{
    return hasEndDate(kind) ? QStringLiteral("3 o 4") : QStringLiteral("2");
}

bool columnsAllowed(PoliceTableKind kind, qsizetype columns)
{
    return hasEndDate(kind) ? (columns == 3 || columns == 4) : columns == 2;
}

// The row's fields checked for its table; an empty text when it is good.
QString checkRow(PoliceTableKind kind, PoliceTableRow &row, const QStringList &fields)
{
    row.code = fields.at(0);
    row.name = fields.at(1);
    switch (kind) {
    case PoliceTableKind::Comuni:
    case PoliceTableKind::States: {
        if (!isCodeOfDigits(row.code, 9))
            return QStringLiteral("il codice \"%1\" non è di 9 cifre.").arg(row.code);
        row.province = TextRules::upperAscii(fields.at(2));
        if (kind == PoliceTableKind::Comuni) {
            if (row.province.size() != 2 || !isUpperLetter(row.province.at(0)) || !isUpperLetter(row.province.at(1)))
                return QStringLiteral("la provincia \"%1\" non è una sigla di due lettere.").arg(fields.at(2));
            if (row.province == kAbroad)
                return QStringLiteral("la provincia \"ES\" è quella degli stati esteri, non di un comune.");
        } else {
            if (!row.province.isEmpty() && row.province != kAbroad)
                return QStringLiteral("la provincia \"%1\" è quella di un comune, non di uno stato estero.")
                    .arg(fields.at(2));
            row.province.clear();
        }
        if (fields.size() == 4 && !fields.at(3).isEmpty()) {
            const std::optional<QDate> end = parseEndDate(fields.at(3));
            if (!end)
                return QStringLiteral("la data di fine validità \"%1\" non è una data valida.").arg(fields.at(3));
            row.endDate = *end;
        }
        break;
    }
    case PoliceTableKind::DocumentTypes:
        if (!isDocumentCode(row.code))
            return QStringLiteral("il codice \"%1\" non è un codice di documento "
                                  "(fino a 5 lettere maiuscole o cifre, la prima una lettera).")
                .arg(row.code);
        break;
    case PoliceTableKind::GuestTypes:
        if (!isCodeOfDigits(row.code, 2))
            return QStringLiteral("il codice \"%1\" non è un tipo di alloggiato (un numero di due cifre).")
                .arg(row.code);
        break;
    }
    if (row.name.isEmpty())
        return QStringLiteral("manca la descrizione del codice \"%1\".").arg(row.code);
    return {};
}

// What the program needs of the table as a whole.
QString checkTable(PoliceTableKind kind, const QHash<QString, int> &lineOfCode)
{
    if (lineOfCode.isEmpty())
        return QStringLiteral("il file non contiene nessuna riga della tabella.");
    if (kind == PoliceTableKind::States && !lineOfCode.contains(PoliceCodes::italyCode()))
        return QStringLiteral("manca l'Italia (codice %1).").arg(PoliceCodes::italyCode());
    if (kind == PoliceTableKind::GuestTypes) {
        for (int type = 16; type <= 20; ++type) {
            if (!lineOfCode.contains(QString::number(type)))
                return QStringLiteral("manca il tipo di alloggiato %1.").arg(type);
        }
    }
    return {};
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

// Reads the rows of the table into `rows`; the first fault, or nothing.
QString readRows(PoliceTableKind kind, const QByteArray &bytes, QList<PoliceTableRow> &rows)
{
    const QString text = decode(bytes);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QChar separator;
    qsizetype columns = 0;
    QHash<QString, int> lineOfCode;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i) + 1;
        const QString line = TextRules::trimmed(lines.at(i));
        if (line.isEmpty())
            continue;
        // The first line tells the separator: the descriptions hold no
        // semicolons, nor commas.
        if (separator.isNull())
            separator = line.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
        QStringList fields = line.split(separator);
        for (QString &field : fields)
            field = TextRules::trimmed(field);
        const bool first = columns == 0;
        if (first && !columnsAllowed(kind, fields.size()))
            return atLine(lineNumber,
                          QStringLiteral("%1 colonne invece di %2.").arg(fields.size()).arg(columnsExpected(kind)));
        if (!first && fields.size() != columns)
            return atLine(lineNumber, QStringLiteral("%1 colonne invece di %2 come nelle righe precedenti.")
                                          .arg(fields.size())
                                          .arg(columns));
        columns = fields.size();
        if (first && TextRules::equalsIgnoringAsciiCase(fields.at(0), QStringLiteral("Codice")))
            continue;  // the header
        PoliceTableRow row;
        if (const QString fault = checkRow(kind, row, fields); !fault.isEmpty())
            return atLine(lineNumber, fault);
        if (const auto earlier = lineOfCode.constFind(row.code); earlier != lineOfCode.constEnd())
            return atLine(lineNumber,
                          QStringLiteral("il codice \"%1\" c'è già alla riga %2.").arg(row.code).arg(earlier.value()));
        lineOfCode.insert(row.code, lineNumber);
        rows.append(std::move(row));
    }
    return capitalised(checkTable(kind, lineOfCode));
}

} // namespace

namespace PoliceTable {

QList<PoliceTableKind> allKinds()
{
    QList<PoliceTableKind> kinds;
    for (const TableNames &names : kTableNames)
        kinds.append(names.kind);
    return kinds;
}

QString fileName(PoliceTableKind kind)
{
    return QString::fromLatin1(namesOf(kind).file);
}

QString describedAs(PoliceTableKind kind)
{
    return QString::fromLatin1(namesOf(kind).described);
}

QByteArray builtInBytes(PoliceTableKind kind)
{
    registerPoliceTableResources();
    QFile file(QStringLiteral(":/questura/") + fileName(kind));
    const bool opened = file.open(QIODevice::ReadOnly);
    Q_ASSERT_X(opened, "PoliceTable", "a built-in table is missing");
    return opened ? file.readAll() : QByteArray();
}

PoliceTableParse parse(PoliceTableKind kind, const QByteArray &bytes)
{
    PoliceTableParse result;
    result.error = readRows(kind, bytes, result.rows);
    // A refused file gives nothing, not the rows before its fault.
    if (!result.ok())
        result.rows.clear();
    return result;
}

} // namespace PoliceTable
