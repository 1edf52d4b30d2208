#include "engine/archive/ShortStringField.h"

#include "engine/text/Cp1252.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <algorithm>

namespace ShortStringField {

QByteArray store(const QString &text, int capacity)
{
    QByteArray field(capacity + 1, '\0');
    const QByteArray bytes = Cp1252::encode(TextRules::trimmed(text)).left(capacity);
    field[0] = static_cast<char>(bytes.size());
    std::copy(bytes.cbegin(), bytes.cend(), field.begin() + 1);
    return field;
}

QString load(const char *field, int capacity)
{
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    return TextRules::trimmed(Cp1252::decode(field + 1, length));
}

QByteArrayView trimmedBytes(const char *field, int capacity)
{
    qsizetype length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    const char *text = field + 1;
    while (length > 0 && static_cast<unsigned char>(text[0]) <= 32) {
        ++text;
        --length;
    }
    while (length > 0 && static_cast<unsigned char>(text[length - 1]) <= 32)
        --length;
    return QByteArrayView(text, length);
}

std::optional<QDate> loadDate(const char *field, int capacity)
{
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    const char *text = field + 1;
    const auto digit = [text](int i) { return text[i] >= '0' && text[i] <= '9'; };
    if (length == 10 && text[2] == '/' && text[5] == '/' && digit(0) && digit(1) && digit(3) && digit(4)
        && digit(6) && digit(7) && digit(8) && digit(9)) {
        const auto number = [text](int at, int digits) {
            int value = 0;
            for (int i = at; i < at + digits; ++i)
                value = value * 10 + (text[i] - '0');
            return value;
        };
        const QDate date(number(6, 4), number(3, 2), number(0, 2));
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    return DateText::parse(load(field, capacity));
}

} // namespace ShortStringField
