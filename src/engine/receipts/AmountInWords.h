#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The Italian words of a receipt's amount, as printed beside the figures.
// Numbers are written as one run of letters (DUEMILAVENTUNO), with the
// receipt's own spellings: the tens word keeps its vowel before "otto" and
// "tre" (VENTIOTTO, VENTITRE) and so does "cento" (CENTOOTTO); only "uno"
// elides it (VENTUNO).

// The lower-case words of 0 to 999; empty for 0 and for any value outside
// that range.
QString GruppoInLettere(int n);

// The upper-case words of an amount given as a count of ten-thousandths of a
// euro: the euros, then " E ... CENTESIMI" when the cents, rounded half to
// even, are not zero, with "- " in front of a negative amount. Groups of
// digits above the billions are not written. Defined for every qint64.
QString ImportoInLettere(qint64 tenThousandths);

// Reads the euro box's text as an amount in ten-thousandths of a euro: an
// optional leading '-', digits, and optionally a ',' followed by at most 4
// decimals (at least one digit in all). Blanks and control characters at the
// ends are ignored. Nothing for any other text or for an amount that does
// not fit in a qint64.
std::optional<qint64> parseEuroAmount(const QString &text);

// What the amount-in-words label shows after a key release in the euro box:
// empty for a box that is empty after trimming, the words of the amount when
// the text is a number, and otherwise (pasted text) the words it already
// showed.
QString wordsForEuroBox(const QString &text, const QString &previousWords);
