#pragma once

#include "engine/export/ExportProgress.h"

#include <QString>

class ExportRows;
struct ExportDefinition;

// The .xls export: an HTML table with the declarations that make the
// spreadsheet programs read it as one named worksheet, the whole file on a
// single line, in Windows-1252.
namespace XlsExport {

// Writes the header row and every row into the file at `path`. Texts are
// HTML-escaped (& < > and the double quote), so that no field can break the
// table. The file is written under a temporary name beside it and replaces
// the previous one only once complete: on failure (false) the previous file
// is left as it was and no temporary file remains.
bool write(const QString &path, const ExportDefinition &definition, const ExportRows &rows,
           const ExportProgress &progress = {});

} // namespace XlsExport
