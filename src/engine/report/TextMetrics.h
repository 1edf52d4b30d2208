#pragma once

#include "engine/report/ReportTemplate.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace Report::TextMetrics {

// The distance from one line of a text box to the next, in millimetres:
// the box's own pitch when it has one, else the font's line spacing. The
// layout splits bands with it and the renderer draws with it, so the two
// always agree on where a line ends.
double linePitchMm(const TextBox &box);

// The longest beginning of `text` whose advance is at most `width` (in the
// metrics' units). Characters are kept whole, so that a PDF reader finds no
// hidden text past the edge of the box.
QString fittingPrefix(const QString &text, const QFontMetricsF &metrics, qreal width);

// `text` broken into lines no wider than `widthMm` in `font`, between
// words: a paragraph for a box that the layout may split over sheets line
// by line. A word longer than a whole line is broken inside, so nothing is
// ever lost at the box's edge. Runs of spaces where a line breaks go.
QStringList wrappedLines(const QString &text, const TextFont &font, double widthMm);

} // namespace Report::TextMetrics
