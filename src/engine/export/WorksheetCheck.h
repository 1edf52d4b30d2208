#pragma once

#include <QByteArray>
#include <QtGlobal>

// Checks a worksheet's XML, fed piece by piece as it is unzipped, against
// the rows and columns that were written into it: every row in order, every
// cell, the closing tag. libxlsxwriter keeps the rows in a scratch file
// while it writes; when the disk refuses part of that file, the library
// still packs what it got into a sound zip, and only the sheet's own text
// shows what is missing.
class WorksheetCheck
{
public:
    WorksheetCheck(qint64 rows, int columns);

    void feed(const char *data, qsizetype size);
    // True when the sheet held exactly the rows and cells expected and
    // ended as a worksheet does.
    bool isComplete();

private:
    void scan(qsizetype end);

    qint64 m_rows;
    qint64 m_cellsExpected;
    QByteArray m_pending;  // the bytes not scanned yet
    qint64 m_nextRow = 1;
    qint64 m_cells = 0;
    bool m_ordered = true;
    QByteArray m_tail;  // the last bytes of the sheet
};
