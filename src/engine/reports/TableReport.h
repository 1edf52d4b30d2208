#pragma once

#include "engine/report/ReportLayout.h"
#include "engine/report/ReportTemplate.h"
#include "engine/reports/ReportTable.h"

// A report's page template for the report engine: A4, margins of 10 mm, a
// title bar and the parameter lines on the first page, then each table
// under its heading (the column headers on a grey band, the rows, the
// total line in bold), the notes and the footer with the date. A table
// runs over as many pages as its rows need; the columns share the width of
// the page in the proportions of their sheet widths.
namespace TableReport {

Report::PageTemplate pageTemplate(const ReportTable &table);
// The table laid out on its pages, printed on `printDate`.
Report::PreparedReport prepare(const ReportTable &table, const QDate &printDate);

// The text printed for a table without rows.
QString noRowsText();

} // namespace TableReport
