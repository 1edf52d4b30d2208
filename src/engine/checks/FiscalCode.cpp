#include "engine/checks/FiscalCode.h"

#include <array>

namespace {

// The official conversion tables, indexed by character: digits 0 to 9 first,
// then the letters A to Z. The odd-position table follows no formula, which
// is why both are written out in full.
constexpr std::array<int, 36> OddPositionTable = {
    //  0   1   2   3   4   5   6   7   8   9
        1,  0,  5,  7,  9, 13, 15, 17, 19, 21,
    //  A   B   C   D   E   F   G   H   I   J   K   L   M
        1,  0,  5,  7,  9, 13, 15, 17, 19, 21,  2,  4, 18,
    //  N   O   P   Q   R   S   T   U   V   W   X   Y   Z
       20, 11,  3,  6,  8, 12, 14, 16, 10, 22, 25, 24, 23,
};

constexpr std::array<int, 36> EvenPositionTable = {
    //  0   1   2   3   4   5   6   7   8   9
        0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
    //  A   B   C   D   E   F   G   H   I   J   K   L   M
        0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12,
    //  N   O   P   Q   R   S   T   U   V   W   X   Y   Z
       13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
};

std::optional<qsizetype> tableIndex(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'Z')
        return 10 + (u - u'A');
    return std::nullopt;
}

std::optional<int> lookUp(const std::array<int, 36> &table, QChar c)
{
    if (const auto index = tableIndex(c))
        return table[static_cast<std::size_t>(*index)];
    return std::nullopt;
}

} // namespace

std::optional<int> FiscalCode::oddPositionValue(QChar c)
{
    return lookUp(OddPositionTable, c);
}

std::optional<int> FiscalCode::evenPositionValue(QChar c)
{
    return lookUp(EvenPositionTable, c);
}

std::optional<QChar> FiscalCode::expectedCheckCharacter(const QString &first15)
{
    if (first15.size() != Length - 1)
        return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < first15.size(); ++i) {
        // Positions count from 1, so index 0 is the first odd position.
        const bool oddPosition = i % 2 == 0;
        const auto value = oddPosition ? oddPositionValue(first15.at(i))
                                       : evenPositionValue(first15.at(i));
        if (!value)
            return std::nullopt;
        sum += *value;
    }
    return QChar(u'A' + sum % 26);
}

bool FiscalCode::isValid(const QString &code)
{
    if (code.size() != Length)
        return false;
    const auto expected = expectedCheckCharacter(code.first(Length - 1));
    return expected && *expected == code.at(Length - 1);
}
