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

// The text bytes of a field whose bytes start at `field` (N + 1 of them),
// as stored. A length byte larger than the capacity (a damaged file) is
// read as the capacity, so no byte outside the field is ever taken.
QByteArrayView storedBytes(const char *field, int capacity);

// The same without the bytes of code 32 or less at either end. In
// Windows-1252 those bytes are exactly the characters the program's trim
// removes, so the bytes decode to the trimmed text: readers that go
// through the bytes of many records trim them without decoding first.
QByteArrayView trimmedBytes(const char *field, int capacity);

// The text of a field, trimmed.
QString load(const char *field, int capacity);

// The day a date field names, read as DateText::parse reads its text. The
// form every saved date has, "dd/mm/yyyy", is read straight from the bytes,
// since lists and checks read a hundred thousand of them; any other text
// goes through DateText. Nothing for a text that is not a date.
std::optional<QDate> loadDate(const char *field, int capacity);

} // namespace ShortStringField
