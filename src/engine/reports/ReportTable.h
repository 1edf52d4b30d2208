#pragma once

#include "engine/print/DocumentFileName.h"
#include "engine/report/SlateBar.h"

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <span>

// What a report of the program says, apart from how it is printed or
// written out: a title, the lines that tell its parameters, one or more
// tables and the notes at the end. The report engine prints it
// (TableReport), the export writes it as a workbook (ReportWorkbook), so
// the page and the sheet always hold the same figures.
struct ReportColumn
{
    const char *header;  // UTF-8, as printed and as the sheet's header
    int sheetWidth;      // pixels in the sheet; printed widths keep the proportions
    bool figures;        // numbers and amounts: right-aligned on paper
};

struct ReportSection
{
    QString heading;     // printed above the table
    QString sheetName;   // the workbook's sheet, at most 31 characters
    std::span<const ReportColumn> columns;
    QList<QStringList> rows;
    QStringList totals;  // the total line under the rows; empty: none
};

struct ReportTable
{
    QString reportName;  // the document's name ("Imposta di soggiorno")
    QString title;
    QStringList parameters;  // under the title, one a line
    QList<ReportSection> sections;
    QStringList notes;       // after the tables, one a line
    QString footer = Report::printedOnText();
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    // The words and the data the PDF is proposed under ("Registro
    // movimento", "Via Roma 1 RIMINI 03-2026").
    QString fileWords;
    QString fileData;

    QString pdfName() const { return DocumentFileName::pdfName(fileWords, fileData); }
};
