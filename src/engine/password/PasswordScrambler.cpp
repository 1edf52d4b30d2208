#include "engine/password/PasswordScrambler.h"

#include <cstdint>

namespace {

constexpr std::uint16_t kStartKey = 0xD5C8;
constexpr std::uint16_t kMultiplier = 0xB3E9;
constexpr std::uint16_t kIncrement = 0xA7F3;

// The key always moves on from the scrambled byte, in both directions: that
// is what lets decode replay the exact key sequence encode used.
std::uint16_t nextKey(std::uint16_t key, std::uint8_t scrambled)
{
    // Unsigned 32-bit arithmetic, then truncation: modulo 65536.
    return static_cast<std::uint16_t>((std::uint32_t{scrambled} + key) * kMultiplier + kIncrement);
}

std::uint8_t keyByte(std::uint16_t key)
{
    return static_cast<std::uint8_t>(key >> 8);
}

// The value of one hexadecimal digit in either case, or -1.
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString PasswordScrambler::encode(const QString &password)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    QString result;
    result.reserve(password.size() * 2);
    std::uint16_t key = kStartKey;
    for (const QChar c : password) {
        const auto plain = static_cast<std::uint8_t>(c.unicode() & 0xFF);
        const auto scrambled = static_cast<std::uint8_t>(plain ^ keyByte(key));
        result += QChar(kDigits[scrambled >> 4]);
        result += QChar(kDigits[scrambled & 0x0F]);
        key = nextKey(key, scrambled);
    }
    return result;
}

std::optional<QString> PasswordScrambler::decode(const QString &scrambled)
{
    const qsizetype count = scrambled.size() / 2;
    QString result;
    result.reserve(count);
    std::uint16_t key = kStartKey;
    for (qsizetype i = 0; i < count; ++i) {
        const int high = hexDigit(scrambled.at(2 * i));
        const int low = hexDigit(scrambled.at(2 * i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        const auto byte = static_cast<std::uint8_t>(high * 16 + low);
        result += QChar(char16_t(byte ^ keyByte(key)));
        key = nextKey(key, byte);
    }
    return result;
}
