#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every archive and settings file.
namespace Cp1252 {

// One byte per character; a character the code page cannot represent
// (including one outside the Basic Multilingual Plane) becomes '?'.
QByteArray encode(const QString &text);
// Whether the code page has the character, so that encode() keeps it.
bool canEncode(char32_t codePoint);
QString decode(const char *bytes, qsizetype length);
inline QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }

} // namespace Cp1252
