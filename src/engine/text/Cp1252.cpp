#include "engine/text/Cp1252.h"

#include <QList>
#include <QStringView>

namespace {

// Bytes 0x80 to 0x9F; the five bytes the code page leaves undefined map to
// the control character of the same value, as Windows itself converts them.
constexpr char16_t kHighControlBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeCodePoint(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (kHighControlBlock[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

namespace Cp1252 {

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const QList<uint> codePoints = text.toUcs4();
    for (const uint codePoint : codePoints)
        bytes.append(encodeCodePoint(codePoint));
    return bytes;
}

bool canEncode(char32_t codePoint)
{
    return codePoint == U'?' || encodeCodePoint(codePoint) != '?';
}

QString decode(const char *bytes, qsizetype length)
{
    QString text(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControlBlock[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace Cp1252
