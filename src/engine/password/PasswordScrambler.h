#pragma once

#include <QString>

#include <optional>

// The reversible scrambling that keeps the access password out of plain
// sight in the password file: each character is XORed with the high byte of
// a running 16-bit key, and the key then moves on from the scrambled byte,
// so the same algorithm (and the same key sequence) serves both directions.
// Only the low 8 bits of a character take part, so a text survives a round
// trip only when all its codes are below 256.
class PasswordScrambler
{
public:
    // Two upper-case hexadecimal digits per character of `password`.
    static QString encode(const QString &password);
    // The password behind `scrambled`; digits may be in either case and an
    // odd last digit is ignored. std::nullopt when a pair is not hexadecimal.
    static std::optional<QString> decode(const QString &scrambled);
};
