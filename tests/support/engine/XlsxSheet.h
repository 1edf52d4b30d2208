#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A worksheet of an .xlsx file as a spreadsheet program would show
// it, read from the workbook's XML parts: enough to check what an export
// wrote, cell by cell.
struct XlsxSheet
{
    struct Cell
    {
        QString text;
        bool isString = false;  // a text cell (shared or inline string)
        bool bold = false;
        bool textFormat = false;  // number format "@"
    };

    // Empty when the file was read; otherwise what went wrong.
    QString error;
    QStringList sheetNames;
    // Row by row from the first, each as wide as the widest row; cells the
    // file does not mention are default Cells.
    QList<QList<Cell>> cells;
    int frozenRows = 0;       // rows above a frozen pane
    QString autoFilter;       // the autofilter's range, "A1:G3"
    QList<int> columnPixels;  // each column's width, in pixels

    // The first worksheet, or the `sheet`-th (from 1) of a workbook of
    // several.
    static XlsxSheet read(const QString &path, int sheet = 1);

    // The texts of one row.
    QStringList rowTexts(int row) const;
};
