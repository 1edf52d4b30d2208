#pragma once

#include "engine/report/ReportLayout.h"

class QPagedPaintDevice;

namespace Report {

// Paints the prepared sheets onto a printer or a PDF writer, one device page
// per sheet, converting millimetres by the device's own resolution. The
// device's page layout is set to the report's sheet with no margins; a
// device that keeps margins of its own (a printer that cannot print to the
// edge) is painted so that the boxes still stand where they are measured
// from the sheet's corner. False when painting cannot start or a page
// cannot be added.
bool render(const PreparedReport &report, QPagedPaintDevice &device);

} // namespace Report
