#include "engine/export/XlsExport.h"

#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"
#include "engine/text/Cp1252.h"

#include "engine/diagnostics/Logging.h"
#include "engine/files/ReplacingFile.h"

#include <QFile>

namespace {

// Written to the file whenever the text built reaches this size, so that a
// large archive never stands whole in memory a second time.
constexpr qsizetype ChunkBytes = 1 << 20;

// The address of the W3C HTML 4.0 Recommendation, as the spreadsheet
// programs' own HTML exports name it.
constexpr char Head[] =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    // The data cells are text: without it a spreadsheet program reads
    // "=1+1" as a formula, "00120" as 120 and "3e5" as 300000.
    "<style>.t{mso-number-format:\"\\@\";}</style>"
    "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>";
constexpr char AfterName[] =
    "</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions>"
    "</x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head>"
    "<body><table x:str>";
constexpr char HeaderCell[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char DataCell[] = "<td class=t style=\"text-align: left;\">";
constexpr char Tail[] = "</table></body></html>";

// Appends Windows-1252 text with the four characters that mean markup
// written as entities; every other byte goes as it is.
void appendEscaped(QByteArray &out, QByteArrayView text)
{
    for (const char byte : text) {
        switch (byte) {
        case '&': out.append("&amp;"); break;
        case '<': out.append("&lt;"); break;
        case '>': out.append("&gt;"); break;
        case '"': out.append("&quot;"); break;
        default: out.append(byte); break;
        }
    }
}

// A program text (a header, the worksheet name) as escaped Windows-1252; a
// character the code page lacks becomes a numeric character reference,
// which the spreadsheet programs show as the character itself.
void appendEscaped(QByteArray &out, const QString &text)
{
    const QList<uint> codePoints = text.toUcs4();
    for (const char32_t codePoint : codePoints) {
        if (Cp1252::canEncode(codePoint))
            appendEscaped(out, QByteArrayView(Cp1252::encode(QString::fromUcs4(&codePoint, 1))));
        else
            out.append("&#" + QByteArray::number(quint32(codePoint)) + ';');
    }
}

// The file that replaces the old one only when complete. Every write's count
// is compared with its length: a disk or a file-size limit can take part of
// a write and report no error.
class ChunkWriter
{
public:
    explicit ChunkWriter(const QString &path)
        : m_file(path)
    {
        m_ok = m_file.create()
            && m_output.open(m_file.handle(), QIODevice::WriteOnly | QIODevice::Unbuffered, QFile::DontCloseHandle);
    }

    bool ok() const { return m_ok; }

    bool flush(QByteArray &text)
    {
        if (m_ok && !text.isEmpty()) {
            m_ok = m_output.write(text) == text.size();
            if (!m_ok)
                qCWarning(lcExport) << "cannot write the spreadsheet:" << m_output.errorString();
        }
        text.clear();
        return m_ok;
    }

    // False, and the old file untouched, after any failed write.
    bool commit()
    {
        m_output.close();
        return m_ok && m_file.commit();
    }

private:
    ReplacingFile m_file;
    QFile m_output;
    bool m_ok = false;
};

} // namespace

namespace XlsExport {

bool write(const QString &path, const ExportDefinition &definition, const ExportRows &rows,
           const ExportProgress &progress)
{
    ChunkWriter writer(path);
    if (!writer.ok())
        return false;

    QByteArray text;
    text.reserve(ChunkBytes + 64 * 1024);
    text.append(Head);
    appendEscaped(text, QString::fromUtf8(definition.worksheet));
    text.append(AfterName);
    text.append("<tr>");
    for (const ExportColumn &column : definition.columns) {
        text.append(HeaderCell);
        text.append(QByteArray::number(column.width));
        text.append('>');
        appendEscaped(text, column.headerText());
        text.append("</td>");
    }
    text.append("</tr>");

    const qsizetype total = rows.rowCount();
    if (progress)
        progress(0, total);
    for (qsizetype row = 0; row < total; ++row) {
        text.append("<tr>");
        for (int column = 0; column < rows.columnCount(); ++column) {
            text.append(DataCell);
            appendEscaped(text, rows.cell(row, column));
            text.append("</td>");
        }
        text.append("</tr>");
        if (text.size() >= ChunkBytes) {
            if (!writer.flush(text))
                return false;
            if (progress)
                progress(row + 1, total);
        }
    }
    text.append(Tail);
    if (!writer.flush(text) || !writer.commit())
        return false;
    if (progress)
        progress(total, total);
    return true;
}

} // namespace XlsExport
