#pragma once

#include "engine/export/ExportProgress.h"

#include <QString>
#include <QStringList>

class ExportRows;
struct ExportDefinition;

// The .xlsx export: the same rows and columns as the .xls file, as an Office
// Open XML workbook that spreadsheet programs open without a format warning.
// One worksheet named like the .xls one, the header row bold and frozen, the
// columns as wide as the .xls header cells make them, every cell a text
// cell (fiscal codes, postal codes and numbers keep their leading zeros),
// an autofilter on the header.
namespace XlsxExport {

// Writes the workbook at `path`, under a temporary name beside it; the file
// is read back whole before it replaces the previous one. On failure (false)
// the previous file is left as it was and no temporary file remains.
bool write(const QString &path, const ExportDefinition &definition, const ExportRows &rows,
           const ExportProgress &progress = {});

// The parts every workbook written here holds; a file lacking one is not
// put in place.
QStringList requiredParts();

} // namespace XlsxExport
