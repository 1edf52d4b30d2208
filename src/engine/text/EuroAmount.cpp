#include "engine/text/EuroAmount.h"

#include "engine/text/ProgramFormats.h"
#include "engine/text/TextRules.h"

#include <algorithm>

namespace {

// More digits than this would not fit in cents held by a qint64; nobody
// lets a house for that much.
constexpr int kMostDigits = 15;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The text without blanks and without a euro sign or the word "euro" at
// either end.
QString withoutCurrency(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() > 32 && c != QChar(0x00A0))
            plain.append(c);
    }
    const QString folded = TextRules::lowerAscii(plain);
    for (const QString &word : {QStringLiteral("\u20ac"), QStringLiteral("euro"), QStringLiteral("eur")}) {
        if (folded.startsWith(word))
            return plain.mid(word.size());
        if (folded.endsWith(word))
            return plain.left(plain.size() - word.size());
    }
    return plain;
}

// The whole euros: digits, or digits in groups of three after the first
// one to three, separated by dots.
std::optional<qint64> wholePart(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    QString digits;
    const qsizetype firstDot = text.indexOf(QLatin1Char('.'));
    if (firstDot < 0) {
        digits = text.toString();
    } else {
        if (firstDot == 0 || firstDot > 3)
            return std::nullopt;
        digits = text.left(firstDot).toString();
        for (qsizetype at = firstDot; at < text.size(); at += 4) {
            if (text.at(at) != QLatin1Char('.') || at + 4 > text.size())
                return std::nullopt;
            digits += text.mid(at + 1, 3).toString();
        }
    }
    if (digits.size() > kMostDigits || !std::all_of(digits.cbegin(), digits.cend(), isDigit))
        return std::nullopt;
    return digits.toLongLong();
}

} // namespace

namespace EuroAmount {

std::optional<qint64> parseCents(const QString &text)
{
    QString plain = withoutCurrency(text);
    const bool negative = plain.startsWith(QLatin1Char('-'));
    if (negative)
        plain.remove(0, 1);
    const qsizetype comma = plain.indexOf(ProgramFormats::decimalSeparator());
    const QStringView whole = comma < 0 ? QStringView(plain) : QStringView(plain).left(comma);
    const QStringView decimals = comma < 0 ? QStringView() : QStringView(plain).mid(comma + 1);
    const std::optional<qint64> euros = wholePart(whole);
    if (!euros)
        return std::nullopt;
    qint64 cents = 0;
    if (comma >= 0) {
        if (decimals.isEmpty() || decimals.size() > 2 || !std::all_of(decimals.begin(), decimals.end(), isDigit))
            return std::nullopt;
        cents = decimals.toString().toLongLong() * (decimals.size() == 1 ? 10 : 1);
    }
    const qint64 total = *euros * 100 + cents;
    return negative ? -total : total;
}

QString format(qint64 cents)
{
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(cents) : static_cast<quint64>(cents);
    const QString euros = QString::number(magnitude / 100);
    QString grouped;
    for (qsizetype i = 0; i < euros.size(); ++i) {
        if (i > 0 && (euros.size() - i) % 3 == 0)
            grouped.append(QLatin1Char('.'));
        grouped.append(euros.at(i));
    }
    return (negative ? QStringLiteral("-") : QString()) + grouped + ProgramFormats::decimalSeparator()
        + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString withEuroSign(qint64 cents)
{
    return QStringLiteral("\u20ac ") + format(cents);
}

qint64 percentOf(qint64 cents, qint64 basisPoints)
{
    const qint64 product = cents * basisPoints;
    const qint64 quotient = product / 10000;
    const qint64 remainder = product % 10000;
    // Half a cent or more goes to the next cent, away from zero.
    if (remainder * 2 >= 10000)
        return quotient + 1;
    if (remainder * 2 <= -10000)
        return quotient - 1;
    return quotient;
}

std::optional<qint64> parseBasisPoints(const QString &text)
{
    QString plain = TextRules::trimmed(text);
    if (plain.endsWith(QLatin1Char('%')))
        plain = TextRules::trimmed(plain.chopped(1));
    if (plain.contains(QLatin1Char('.')) || plain.startsWith(QLatin1Char('-')))
        return std::nullopt;
    // A percentage reads like an amount: 21,5 % is 2.150 hundredths.
    const std::optional<qint64> hundredths = parseCents(plain);
    if (!hundredths || plain.contains(QStringLiteral("\u20ac")) || TextRules::lowerAscii(plain).contains(QLatin1String("eur")))
        return std::nullopt;
    return hundredths;
}

QString formatBasisPoints(qint64 basisPoints)
{
    QString text = format(basisPoints);
    // "21,00" reads "21", "21,50" reads "21,5".
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(ProgramFormats::decimalSeparator()))
        text.chop(1);
    return text.remove(QLatin1Char('.'));
}

} // namespace EuroAmount
