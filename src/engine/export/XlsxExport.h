#pragma once

#include "engine/export/ExportProgress.h"

#include "engine/export/ExportTables.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ExportRows;

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

// One worksheet of a workbook of several: its name (at most 31 characters),
// its columns and its rows, laid out as the archive exports lay out theirs.
struct Sheet
{
    QByteArray name;  // UTF-8
    QList<ExportColumn> columns;
    const ExportRows *rows = nullptr;  // as many cells a row as columns
};

// The same for a workbook of several worksheets, in the order given, each
// read back before the file replaces the previous one.
bool writeSheets(const QString &path, const QList<Sheet> &sheets);

// The parts every workbook written here holds; a file lacking one is not
// put in place.
QStringList requiredParts();

} // namespace XlsxExport
