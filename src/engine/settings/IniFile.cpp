#include "engine/settings/IniFile.h"

#include "engine/diagnostics/Logging.h"
#include "engine/files/WholeFile.h"
#include "engine/text/Cp1252.h"
#include "engine/text/TextRules.h"

#include <QFile>
#include <QStringList>

#include <utility>

namespace {

QStringList readLines(const QString &path, bool *ok)
{
    QFile file(path);
    if (!file.exists()) {
        *ok = true;
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcFiles) << "cannot read" << path << ":" << file.errorString();
        *ok = false;
        return {};
    }
    *ok = true;
    QString text = Cp1252::decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// The section named by a "[Name]" line, or a null string for other lines.
QString sectionName(const QString &line)
{
    const QString text = line.trimmed();
    if (text.size() < 2 || !text.startsWith(QLatin1Char('[')))
        return QString();
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    if (close < 0)
        return QString();
    return text.mid(1, close - 1).trimmed();
}

bool isComment(const QString &line)
{
    const QString text = line.trimmed();
    return text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#'));
}

// The key of a "Key=Value" line, or a null string.
QString keyName(const QString &line)
{
    if (isComment(line))
        return QString();
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return QString();
    return line.left(equals).trimmed();
}

QString valueOf(const QString &line)
{
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2
        && ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            || (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\''))))) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

bool sameName(const QString &a, const QString &b)
{
    return TextRules::equalsIgnoringAsciiCase(a, b);
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

QString IniFile::readString(const QString &section, const QString &key, const QString &fallback) const
{
    bool ok = false;
    const QStringList lines = readLines(m_path, &ok);
    bool inSection = false;
    for (const QString &line : lines) {
        const QString header = sectionName(line);
        if (!header.isNull()) {
            inSection = sameName(header, section);
            continue;
        }
        if (inSection && sameName(keyName(line), key))
            return valueOf(line);
    }
    return fallback;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    bool ok = false;
    QStringList lines = readLines(m_path, &ok);
    if (!ok)
        return false;

    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionStart = -1;
    qsizetype insertAt = -1;
    bool written = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString header = sectionName(lines.at(i));
        if (!header.isNull()) {
            if (sectionStart >= 0)
                break;
            if (sameName(header, section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (sameName(keyName(lines.at(i)), key)) {
            lines[i] = entry;
            written = true;
            break;
        }
        if (!lines.at(i).trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (!written) {
        if (sectionStart >= 0) {
            lines.insert(insertAt, entry);
        } else {
            if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
                lines.append(QString());
            lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
            lines.append(entry);
        }
    }

    return WholeFile::write(m_path, Cp1252::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}
