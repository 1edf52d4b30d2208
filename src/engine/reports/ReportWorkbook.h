#pragma once

#include "engine/reports/ReportTable.h"

#include <QString>

// A report as a workbook, through the program's .xlsx export: a sheet for
// each table, its column headers in the first row, the rows, then the
// total line. The title and the parameters are in the file's name and the
// sheet's, the notes in the printed report only.
namespace ReportWorkbook {

// Writes the workbook at `path`, replacing the file there only once it is
// complete. False on failure, with the old file as it was.
bool write(const QString &path, const ReportTable &table);

} // namespace ReportWorkbook
