#include "engine/reports/ReportWorkbook.h"

#include "engine/export/ExportRows.h"
#include "engine/export/XlsxExport.h"

#include <deque>

namespace ReportWorkbook {

bool write(const QString &path, const ReportTable &table)
{
    // The sheets point at their rows, which must stay where they are.
    std::deque<ExportRows> rows;
    QList<XlsxExport::Sheet> sheets;
    for (const ReportSection &section : table.sections) {
        QList<ExportColumn> columns;
        for (const ReportColumn &column : section.columns)
            columns.append(ExportColumn{nullptr, column.header, nullptr, column.sheetWidth});
        ExportRows &cells = rows.emplace_back(static_cast<int>(columns.size()));
        for (const QStringList &row : section.rows)
            cells.appendRow(row);
        if (!section.totals.isEmpty())
            cells.appendRow(section.totals);
        sheets.append({section.sheetName.left(31).toUtf8(), columns, &cells});
    }
    return XlsxExport::writeSheets(path, sheets);
}

} // namespace ReportWorkbook
