#pragma once

#include <QString>

#include <optional>

// An Italian VAT number (partita IVA): 11 digits, the 8th to 10th naming the
// provincial VAT office that issued it and the 11th a Luhn check digit.
class VatNumber
{
public:
    static constexpr int Length = 11;

    // True for exactly 11 digits 0 to 9 whose last digit is the one due to
    // the first 10.
    static bool isValid(const QString &number);

    // The expected check digit of the first 10 digits, or nothing when the
    // text is not 10 digits 0 to 9.
    static std::optional<int> expectedCheckDigit(const QString &first10);

    // The office code of an 11-character number: its 8th, 9th and 10th
    // characters.
    static QString officeCode(const QString &number);

    // The name of the office with the given three-digit code, or nothing for
    // a code the program does not know.
    static std::optional<QString> officeName(const QString &code);
};
