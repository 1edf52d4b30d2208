#pragma once

#include <QString>

#include <span>

class RecordLayout;

// The four archives that can be written out as a spreadsheet.
enum class ExportArchive { Locatori, Conduttori, Contratti, Ricevute };

// One exported column: a record field, its header in the file and in the
// grid, and the width the header cell gives it in the file.
struct ExportColumn
{
    const char *field;       // record field name (RecordLayouts)
    const char *header;      // file header, UTF-8
    const char *gridHeader;  // grid header when it differs; nullptr otherwise
    int width;               // in pixels, as the spreadsheet programs read it

    QString headerText() const { return QString::fromUtf8(header); }
    QString gridHeaderText() const { return QString::fromUtf8(gridHeader ? gridHeader : header); }
};

// Everything that sets one archive's export apart from the others: its
// window, the archive read, the files written and the columns.
struct ExportDefinition
{
    ExportArchive archive;
    const char *windowClass;  // "TfrmExpLocatori"
    const char *windowName;   // "frmExpLocatori"
    const char *caption;
    // The archive's file in the program folder; nullptr for the receipts,
    // whose year's archive the receipt window names.
    const char *archiveFile;
    const char *xlsFile;      // written in the program folder
    const char *xlsxFile;
    const char *worksheet;
    const char *guideTitle;
    const char *guideText;    // paragraphs separated by CR LF CR LF
    const RecordLayout &(*layout)();
    std::span<const ExportColumn> columns;

    int columnCount() const { return static_cast<int>(columns.size()); }
};

namespace ExportTables {

const ExportDefinition &definition(ExportArchive archive);

} // namespace ExportTables
