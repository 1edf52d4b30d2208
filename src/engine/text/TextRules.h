#pragma once

#include <QString>
#include <QStringView>

// The program's own text rules, shared by every archive, window and file.
namespace TextRules {

// Removes every character whose code is 32 or less from both ends.
QString trimmed(const QString &text);
// The same, as a view into `text` (no copy).
QStringView trimmedView(QStringView text);

// Turns only the letters a to z into A to Z; accented letters stay as typed.
QString upperAscii(const QString &text);
// Turns only the letters A to Z into a to z.
QString lowerAscii(const QString &text);
// Compares two texts ignoring the case of the letters a to z only.
bool equalsIgnoringAsciiCase(const QString &a, const QString &b);

// True when the text is not empty and holds only the digits 0 to 9.
bool isDigitsOnly(const QString &text);

} // namespace TextRules
