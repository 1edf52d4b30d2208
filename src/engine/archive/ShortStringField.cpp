#include "engine/archive/ShortStringField.h"

#include "engine/text/Cp1252.h"
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

} // namespace ShortStringField
