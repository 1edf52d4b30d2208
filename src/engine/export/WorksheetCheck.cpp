#include "engine/export/WorksheetCheck.h"

namespace {

constexpr char RowStart[] = "<row r=\"";
constexpr qsizetype RowStartSize = sizeof(RowStart) - 1;
constexpr char CellStart[] = "<c r=\"";
// A row's tag with its number, or a cell's tag, fits in this many bytes:
// what is left of a piece beyond it waits for the next piece.
constexpr qsizetype Lookahead = 32;
constexpr char SheetEnd[] = "</worksheet>";

} // namespace

WorksheetCheck::WorksheetCheck(qint64 rows, int columns)
    : m_rows(rows)
    , m_cellsExpected(rows * columns)
{
}

void WorksheetCheck::feed(const char *data, qsizetype size)
{
    m_pending.append(data, size);
    if (m_pending.size() > Lookahead) {
        scan(m_pending.size() - Lookahead);
        m_pending.remove(0, m_pending.size() - Lookahead);
    }
    m_tail = m_pending.right(Lookahead);
}

void WorksheetCheck::scan(qsizetype end)
{
    const QByteArrayView text(m_pending);
    for (qsizetype at = text.indexOf('<'); at >= 0 && at < end; at = text.indexOf('<', at + 1)) {
        const QByteArrayView rest = text.sliced(at);
        if (rest.startsWith(CellStart)) {
            ++m_cells;
        } else if (rest.startsWith(RowStart)) {
            const qsizetype close = rest.indexOf('"', RowStartSize);
            bool number = false;
            const qint64 row = close > 0 ? rest.sliced(RowStartSize, close - RowStartSize).toLongLong(&number) : -1;
            m_ordered = m_ordered && number && row == m_nextRow;
            ++m_nextRow;
        }
    }
}

bool WorksheetCheck::isComplete()
{
    scan(m_pending.size());
    m_pending.clear();
    return m_ordered && m_nextRow == m_rows + 1 && m_cells == m_cellsExpected
           && m_tail.trimmed().endsWith(SheetEnd);
}
