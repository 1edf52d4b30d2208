#include "engine/export/XlsxExport.h"

#include "engine/diagnostics/Logging.h"
#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"
#include "engine/files/ReplacingFile.h"
#include "engine/export/WorksheetCheck.h"
#include "engine/zip/ZipReader.h"
#include "engine/text/Cp1252.h"

#include <QFileInfo>

#include <xlsxwriter.h>

#include <algorithm>
#include <deque>

namespace {

constexpr qsizetype ProgressRows = 2000;

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Spreadsheet programs read "_xHHHH_" in a cell as the character HHHH (the
// library writes control characters so); a text that holds those seven
// characters itself keeps them by its '_' being written as "_x005F_".
void protectEscapeLookalikes(QByteArray &utf8)
{
    for (qsizetype at = utf8.indexOf("_x"); at >= 0; at = utf8.indexOf("_x", at + 1)) {
        if (at + 6 < utf8.size() && utf8[at + 6] == '_' && isHexDigit(utf8[at + 2])
            && isHexDigit(utf8[at + 3]) && isHexDigit(utf8[at + 4]) && isHexDigit(utf8[at + 5])) {
            utf8.insert(at + 1, "x005F_");
            at += 6;
        }
    }
}

// A cell's text as the UTF-8 the library takes, in `out` (reused from cell
// to cell, NUL-terminated). Plain ASCII, the common case, is copied as it is.
const char *utf8Cell(QByteArrayView cp1252, QByteArray &out)
{
    const bool ascii = std::all_of(cp1252.begin(), cp1252.end(),
                                   [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
    if (ascii) {
        out.resize(cp1252.size());
        std::copy(cp1252.begin(), cp1252.end(), out.begin());
    } else {
        out = Cp1252::decode(cp1252.data(), cp1252.size()).toUtf8();
    }
    protectEscapeLookalikes(out);
    return out.constData();
}

// Every library call says whether it worked; the first failure is kept.
class Workbook
{
public:
    Workbook(const QByteArray &path, const QByteArray &scratchFolder)
        : m_scratchFolder(scratchFolder)
    {
        lxw_workbook_options options{};
        // Rows go to a scratch file as they are written instead of staying
        // in memory; they must then come in order, which they do.
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_scratchFolder.data();
        m_workbook = workbook_new_opt(path.constData(), &options);
        m_ok = m_workbook != nullptr;
        if (!m_ok)
            qCWarning(lcExport) << "libxlsxwriter cannot start a workbook in" << path;
    }
    ~Workbook() { close(); }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    lxw_workbook *get() const { return m_workbook; }
    bool ok() const { return m_ok; }
    void check(lxw_error result)
    {
        if (m_ok && result != LXW_NO_ERROR)
            qCWarning(lcExport) << "libxlsxwriter:" << lxw_strerror(result);
        m_ok = m_ok && result == LXW_NO_ERROR;
    }
    void check(const void *created)
    {
        if (m_ok && !created)
            qCWarning(lcExport) << "libxlsxwriter could not create a part of the workbook";
        m_ok = m_ok && created != nullptr;
    }
    // Writes the file; the library frees the workbook whatever happens.
    bool close()
    {
        if (m_workbook) {
            check(workbook_close(m_workbook));
            m_workbook = nullptr;
        }
        return m_ok;
    }

private:
    QByteArray m_scratchFolder;
    lxw_workbook *m_workbook = nullptr;
    bool m_ok = false;
};

void writeSheet(Workbook &workbook, const XlsxExport::Sheet &content, const ExportProgress &progress)
{
    if (!workbook.ok())
        return;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook.get(), content.name.constData());
    workbook.check(sheet);
    lxw_format *text = workbook_add_format(workbook.get());
    lxw_format *header = workbook_add_format(workbook.get());
    workbook.check(text);
    workbook.check(header);
    if (!workbook.ok())
        return;
    // "@": text, also for what the user types into the sheet later.
    format_set_num_format(text, "@");
    format_set_num_format(header, "@");
    format_set_bold(header);

    const QList<ExportColumn> &definitionColumns = content.columns;
    const ExportRows &rows = *content.rows;
    const int columns = static_cast<int>(definitionColumns.size());
    const qsizetype total = rows.rowCount();
    for (int column = 0; column < columns; ++column) {
        const auto c = static_cast<lxw_col_t>(column);
        workbook.check(worksheet_set_column_pixels(sheet, c, c, definitionColumns[column].width, text));
    }
    worksheet_freeze_panes(sheet, 1, 0);
    workbook.check(worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(total),
                                        static_cast<lxw_col_t>(columns - 1)));
    for (int column = 0; column < columns; ++column) {
        workbook.check(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(column),
                                              definitionColumns[column].header, header));
    }

    if (progress)
        progress(0, total);
    QByteArray utf8;
    for (qsizetype row = 0; row < total && workbook.ok(); ++row) {
        const auto r = static_cast<lxw_row_t>(row + 1);
        for (int column = 0; column < columns; ++column) {
            workbook.check(worksheet_write_string(sheet, r, static_cast<lxw_col_t>(column),
                                                  utf8Cell(rows.cell(row, column), utf8), text));
        }
        if (progress && (row + 1) % ProgressRows == 0)
            progress(row + 1, total);
    }
}

// libxlsxwriter can report success after the disk refused part of what it
// wrote, into the file or into its scratch file of rows: the workbook is
// trusted only once read back whole, its sheet row by row.
bool isCompleteWorkbook(const QString &path, const QList<XlsxExport::Sheet> &sheets)
{
    ZipReader zip(path);
    if (!zip.open()) {
        qCWarning(lcExport) << "the workbook written is not a complete zip:" << zip.errorString();
        return false;
    }
    QStringList parts = XlsxExport::requiredParts();
    for (qsizetype sheet = 1; sheet < sheets.size(); ++sheet)
        parts.append(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet + 1));
    if (!std::all_of(parts.cbegin(), parts.cend(), [&zip](const QString &part) { return zip.contains(part); })) {
        qCWarning(lcExport) << "the workbook written lacks some of its parts:" << zip.names();
        return false;
    }
    // Each sheet's header row and data rows.
    // A deque: a check holds an XML reader, which cannot move.
    std::deque<WorksheetCheck> checks;
    for (const XlsxExport::Sheet &sheet : sheets)
        checks.emplace_back(sheet.rows->rowCount() + 1, static_cast<int>(sheet.columns.size()));
    const QStringList names = zip.names();
    for (const QString &name : names) {
        WorksheetCheck *check = nullptr;
        for (qsizetype sheet = 0; sheet < sheets.size(); ++sheet) {
            if (name == QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet + 1))
                check = &checks[static_cast<std::size_t>(sheet)];
        }
        const bool read = check
            ? zip.read(name, [check](const char *data, qsizetype size) { check->feed(data, size); })
            : zip.read(name, [](const char *, qsizetype) {});
        if (!read) {
            qCWarning(lcExport) << "the workbook's part" << name << "cannot be read back:" << zip.errorString();
            return false;
        }
    }
    for (WorksheetCheck &check : checks) {
        if (!check.isComplete()) {
            qCWarning(lcExport) << "a worksheet written lacks rows or cells";
            return false;
        }
    }
    return true;
}

bool writeWorkbook(const QString &path, const QList<XlsxExport::Sheet> &sheets, const ExportProgress &progress)
{
    ReplacingFile file(path);
    if (!file.create())
        return false;
    // The scratch files go beside the export, on the disk that must hold it
    // anyway, rather than in a temporary folder that may live in memory.
    Workbook workbook(QFile::encodeName(file.temporaryPath()),
                      QFile::encodeName(QFileInfo(path).absolutePath()));
    for (const XlsxExport::Sheet &sheet : sheets)
        writeSheet(workbook, sheet, progress);
    return workbook.close() && isCompleteWorkbook(file.temporaryPath(), sheets) && file.commit();
}

} // namespace

namespace XlsxExport {

QStringList requiredParts()
{
    return {QStringLiteral("[Content_Types].xml"), QStringLiteral("_rels/.rels"),
            QStringLiteral("xl/workbook.xml"), QStringLiteral("xl/_rels/workbook.xml.rels"),
            QStringLiteral("xl/styles.xml"), QStringLiteral("xl/worksheets/sheet1.xml")};
}

bool write(const QString &path, const ExportDefinition &definition, const ExportRows &rows,
           const ExportProgress &progress)
{
    const Sheet sheet{QByteArray(definition.worksheet),
                      QList<ExportColumn>(definition.columns.begin(), definition.columns.end()), &rows};
    if (!writeWorkbook(path, {sheet}, progress))
        return false;
    if (progress)
        progress(rows.rowCount(), rows.rowCount());
    return true;
}

bool writeSheets(const QString &path, const QList<Sheet> &sheets)
{
    return !sheets.isEmpty() && writeWorkbook(path, sheets, {});
}

} // namespace XlsxExport
