#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <optional>

// A text field of fixed capacity N: one length byte, then N bytes of
// Windows-1252 text. Bytes after the length carry no meaning.
namespace ShortStringField {

// The N + 1 bytes of the field: the text trimmed, converted and cut to N
// bytes without a message. The unused bytes are written as zeros.
QByteArray store(const QString &text, int capacity);

// The text of a field whose bytes start at `field` (N + 1 of them), trimmed.
// A length byte larger than the capacity (a damaged file) is read as the
// capacity, so no byte outside the field is ever taken.
QString load(const char *field, int capacity);

// The bytes of the field's text without the characters of code 32 or less
// at its ends, for readers that compare or copy fields without decoding
// them: in Windows-1252 those characters are exactly the bytes 0 to 32. A
// length byte beyond the capacity is read as the capacity, as by load().
QByteArrayView trimmedBytes(const char *field, int capacity);

// The day a date field names, read as DateText::parse reads its text. The
// form every saved date has, "dd/mm/yyyy", is read straight from the bytes,
// since lists and checks read a hundred thousand of them; any other text
// goes through DateText. Nothing for a text that is not a date.
std::optional<QDate> loadDate(const char *field, int capacity);

} // namespace ShortStringField
