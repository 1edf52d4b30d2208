#include "engine/text/TextRules.h"

namespace TextRules {

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

QString trimmed(const QString &text)
{
    const QStringView kept = trimmedView(text);
    // A text with nothing to remove is shared, not copied.
    return kept.size() == text.size() ? text : kept.toString();
}

QString upperAscii(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

QString lowerAscii(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    }
    return result;
}

bool equalsIgnoringAsciiCase(const QString &a, const QString &b)
{
    return upperAscii(a) == upperAscii(b);
}

bool isDigitsOnly(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace TextRules
