#pragma once

#include "engine/report/ReportTemplate.h"

#include <QFont>
#include <QString>
#include <QStringList>

// The documents were designed in Windows fonts. Where those are not
// installed, the metric-compatible Liberation fonts keep every text the
// same width, so that what fits in a box still fits; Verdana and Tahoma
// have no such twin and fall back to DejaVu Sans, the closest in look.
namespace Report::FontFamilies {

// The family to draw `designed` with, given the installed families (compared
// without regard to case). A family with no stand-in, or none installed, is
// returned as designed and left to the system's own substitution.
QString resolve(const QString &designed, const QStringList &installed);

// The same against the fonts of this system (needs a QGuiApplication).
QString resolve(const QString &designed);

// The font to draw a text box with: resolved family, size in points, no
// hinting so that widths measured on any device agree with the PDF.
QFont font(const TextFont &look);

} // namespace Report::FontFamilies
