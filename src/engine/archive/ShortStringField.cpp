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

QByteArrayView storedBytes(const char *field, int capacity)
{
    return QByteArrayView(field + 1, std::min<int>(static_cast<unsigned char>(field[0]), capacity));
}

QByteArrayView trimmedBytes(const char *field, int capacity)
{
    const QByteArrayView stored = storedBytes(field, capacity);
    const auto blank = [](char byte) { return static_cast<unsigned char>(byte) <= 32; };
    const char *begin = std::find_if_not(stored.cbegin(), stored.cend(), blank);
    const char *end = std::find_if_not(stored.crbegin(), std::make_reverse_iterator(begin), blank).base();
    return QByteArrayView(begin, end - begin);
}

QString load(const char *field, int capacity)
{
    const QByteArrayView text = trimmedBytes(field, capacity);
    return Cp1252::decode(text.data(), text.size());
}

std::optional<QDate> loadDate(const char *field, int capacity)
{
    const QByteArrayView stored = storedBytes(field, capacity);
    const qsizetype length = stored.size();
    const char *text = stored.data();
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
