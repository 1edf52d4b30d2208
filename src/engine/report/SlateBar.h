#pragma once

#include "engine/report/ReportTemplate.h"

#include <QString>

// The bar at the top and at the foot of the program's printed lists and
// reports: bold white Verdana, centred, on slate grey. One place for it, so
// that every printed page keeps the same look.
namespace Report {

// The footer's text of a printed list or report; "[DATE]" is the day of
// printing.
QString printedOnText();

TextBox slateBar(const QString &name, BoxMm box, double pointSize, const QString &text, bool verticallyCentred);

} // namespace Report
