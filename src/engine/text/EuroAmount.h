#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Amounts in euro as whole cents, so that sums of many small amounts come
// out exact: 1,000 times 0,10 is 100,00, never 99,99999.
namespace EuroAmount {

// The cents of an amount written the program's way: "1.234,56", "1234,5",
// "77", "0,10"; a euro sign or the word "euro" before or after it and
// blanks anywhere are allowed ("€ 500,00", "500 euro"). Dots group
// thousands only (in threes); the comma is the one decimal separator, with
// one or two digits after it. A leading minus is accepted. Nothing for any
// other text, an empty one included.
std::optional<qint64> parseCents(const QString &text);

// "1.234,56", "0,10", "-2,00": thousands grouped with dots, always two
// decimals after the comma.
QString format(qint64 cents);

// "€ 77,47".
QString withEuroSign(qint64 cents);

// `cents` × `basisPoints` / 10,000 rounded half away from zero to the cent:
// a rate of 21 % is 2,100 basis points.
qint64 percentOf(qint64 cents, qint64 basisPoints);

// A percentage written "21", "21,5" or "21,50" (a "%" after it allowed) in
// basis points (hundredths of a percent); nothing for other texts.
std::optional<qint64> parseBasisPoints(const QString &text);
// "21", "21,5", "21,25".
QString formatBasisPoints(qint64 basisPoints);

} // namespace EuroAmount
