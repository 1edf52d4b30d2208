#include "engine/receipts/AmountInWords.h"

#include "engine/text/TextRules.h"

#include <array>
#include <limits>
#include <string_view>

namespace {

using WordTable = std::array<std::string_view, 10>;

// Indexed by digit. The words are plain ASCII, so they can be turned into a
// QString with fromLatin1 and upper-cased with the ASCII rule.
constexpr WordTable kUnits = {
    "", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove",
};
constexpr WordTable kTeens = {
    "dieci", "undici", "dodici", "tredici", "quattordici",
    "quindici", "sedici", "diciassette", "diciotto", "diciannove",
};
// Entries 0 and 1 are never used: no tens word, and 10..19 come from kTeens.
constexpr WordTable kTens = {
    "", "", "venti", "trenta", "quaranta",
    "cinquanta", "sessanta", "settanta", "ottanta", "novanta",
};
constexpr WordTable kTensPlusOne = {
    "", "", "ventuno", "trentuno", "quarantuno",
    "cinquantuno", "sessantuno", "settantuno", "ottantuno", "novantuno",
};
constexpr WordTable kHundreds = {
    "", "cento", "duecento", "trecento", "quattrocento",
    "cinquecento", "seicento", "settecento", "ottocento", "novecento",
};

// The scale words of groups 2 to 4 (thousands, millions, billions): the
// singular used when the group's words are exactly "uno", and the suffix
// put after the group's words otherwise.
struct ScaleWords
{
    std::string_view singular;
    std::string_view pluralSuffix;
};
constexpr std::array<ScaleWords, 3> kScales = {{
    {"mille", "mila"},
    {"unmilione", "milioni"},
    {"unmiliardo", "miliardi"},
}};

QString word(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The cents of a fractional part 0..9999 ten-thousandths, rounded to the
// nearest whole cent with a tie going to the even one. 9950 and above give
// 100: the euros are not carried into.
int roundedCents(int fraction)
{
    int cents = fraction / 100;
    const int rest = fraction % 100;
    if (rest > 50 || (rest == 50 && cents % 2 != 0))
        ++cents;
    return cents;
}

constexpr qint64 kTenThousandthsPerEuro = 10000;

} // namespace

QString GruppoInLettere(int n)
{
    if (n < 0 || n > 999)
        return {};
    const int hundreds = n / 100;
    const int tens = (n / 10) % 10;
    const int units = n % 10;

    QString text = word(kUnits[units]);
    if (tens == 1)
        text = word(kTeens[units]);
    else if (tens >= 2)
        text = units == 1 ? word(kTensPlusOne[tens]) : word(kTens[tens]) + text;
    return word(kHundreds[hundreds]) + text;
}

QString ImportoInLettere(qint64 tenThousandths)
{
    const bool negative = tenThousandths < 0;
    // Unsigned negation is defined for every value, INT64_MIN included.
    const quint64 magnitude = negative ? 0u - quint64(tenThousandths) : quint64(tenThousandths);
    const quint64 euros = magnitude / kTenThousandthsPerEuro;
    const int cents = roundedCents(int(magnitude % kTenThousandthsPerEuro));

    QString text;
    if (euros == 0) {
        text = QStringLiteral("zero");
    } else {
        text = GruppoInLettere(int(euros % 1000));
        quint64 higher = euros / 1000;
        // Only the thousands, millions and billions are written; anything
        // above is left out as if those digits were absent.
        for (const ScaleWords &scale : kScales) {
            if (higher == 0)
                break;
            const QString group = GruppoInLettere(int(higher % 1000));
            if (group == QLatin1String("uno"))
                text.prepend(word(scale.singular));
            else if (!group.isEmpty())
                text.prepend(group + word(scale.pluralSuffix));
            higher /= 1000;
        }
    }
    if (cents != 0)
        text += QStringLiteral(" e ") + GruppoInLettere(cents) + QStringLiteral(" centesimi");
    if (negative)
        text.prepend(QStringLiteral("- "));
    return TextRules::upperAscii(text);
}

std::optional<qint64> parseEuroAmount(const QString &text)
{
    const QString number = TextRules::trimmed(text);
    qsizetype pos = 0;
    const bool negative = number.startsWith(QLatin1Char('-'));
    if (negative)
        ++pos;

    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    constexpr quint64 maxEuros = quint64(std::numeric_limits<qint64>::max()) / kTenThousandthsPerEuro;

    quint64 euros = 0;
    int digitCount = 0;
    for (; pos < number.size() && isDigit(number.at(pos)); ++pos, ++digitCount) {
        euros = euros * 10 + quint64(number.at(pos).unicode() - u'0');
        // Checked at every digit so that the running value cannot wrap.
        if (euros > maxEuros)
            return std::nullopt;
    }

    quint64 fraction = 0;
    if (pos < number.size() && number.at(pos) == QLatin1Char(',')) {
        ++pos;
        int decimals = 0;
        for (; pos < number.size() && isDigit(number.at(pos)); ++pos, ++decimals, ++digitCount) {
            if (decimals == 4)
                return std::nullopt;
            fraction = fraction * 10 + quint64(number.at(pos).unicode() - u'0');
        }
        for (; decimals < 4; ++decimals)
            fraction *= 10;
    }
    if (pos != number.size() || digitCount == 0)
        return std::nullopt;

    // Below 2^63 + 1 by the check on the euros, so this cannot wrap.
    const quint64 magnitude = euros * kTenThousandthsPerEuro + fraction;
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (negative ? 1u : 0u);
    if (magnitude > limit)
        return std::nullopt;
    return negative ? qint64(0u - magnitude) : qint64(magnitude);
}

QString wordsForEuroBox(const QString &text, const QString &previousWords)
{
    if (TextRules::trimmed(text).isEmpty())
        return {};
    const std::optional<qint64> amount = parseEuroAmount(text);
    return amount ? ImportoInLettere(*amount) : previousWords;
}
