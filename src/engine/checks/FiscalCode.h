#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The check character of an Italian personal fiscal code (codice fiscale).
// Only the 16th character is verified: the pattern of letters and digits,
// the date of birth and the place code inside the code are not examined.
class FiscalCode
{
public:
    static constexpr int Length = 16;

    // The value a character has in an odd position (1st, 3rd, ... 15th) or in
    // an even position (2nd, ... 14th); nothing for a character other than
    // the digits 0 to 9 and the capital letters A to Z.
    static std::optional<int> oddPositionValue(QChar c);
    static std::optional<int> evenPositionValue(QChar c);

    // The check character due to the first 15 characters of a code, or
    // nothing when the text is not 15 characters long or holds a character
    // without a value (small letters included: callers upper-case first).
    static std::optional<QChar> expectedCheckCharacter(const QString &first15);

    // True for a 16-character upper-case code whose last character is the
    // one due to the first 15.
    static bool isValid(const QString &code);
};
