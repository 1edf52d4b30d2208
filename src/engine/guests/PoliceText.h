#pragma once

#include <QString>

// Texts as the State Police guest file takes them: plain ASCII in upper
// case, the way the portal's own tables write names ("AGLIE'", "NICOLO'").
namespace PoliceText {

// A surname or a name for the file. Letters become upper case; a vowel with
// a grave or an acute accent becomes the vowel and an apostrophe
// (NICOLÒ -> NICOLO', à -> A'); any other letter loses its marks (MÜLLER ->
// MULLER, Ç -> C, Ñ -> N, Å -> A); ß -> SS, Æ -> AE, Œ -> OE, Ø -> O, and a
// few other Latin letters that have no marks to lose are spelled out (Đ, Ł,
// Þ...). An apostrophe stays (the typographic ’ is one too). Everything else,
// digits included, becomes a blank; runs of blanks become one and the
// blanks at either end go, so that the field starts with the text.
// A letter of another alphabet (Greek, Cyrillic...) becomes a blank too:
// callers check that something is left.
QString letters(const QString &text);

// A document number: its letters as letters() writes them, without the
// apostrophe an accent would add, and its digits; blanks, dashes, slashes
// and every other character are left out ("ca 12345-ab" -> "CA12345AB").
QString documentNumber(const QString &text);

// True when `text` (as letters() returns it) holds at least one letter.
bool hasLetter(const QString &text);

} // namespace PoliceText
