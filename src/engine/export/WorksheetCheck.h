#pragma once

#include <QXmlStreamReader>
#include <QtGlobal>

// Checks a worksheet's XML, fed piece by piece as it is unzipped, against
// the rows and columns that were written into it: every row in order, every
// cell, a well-formed document to its end. libxlsxwriter keeps the rows in
// a scratch file while it writes; when the disk refuses part of that file,
// the library still packs what it got into a sound zip, and only the
// sheet's own text shows what is missing.
class WorksheetCheck
{
public:
    WorksheetCheck(qint64 rows, int columns);

    void feed(const char *data, qsizetype size);
    // True when the sheet held exactly the rows and cells expected and
    // ended as a worksheet does.
    bool isComplete();

private:
    // Reads what the pieces fed so far hold.
    void readAvailable();

    QXmlStreamReader m_xml;
    qint64 m_rows;
    int m_columns;
    qint64 m_nextRow = 1;
    int m_cellsInRow = 0;
    bool m_sound = true;
    bool m_ended = false;  // the worksheet element closed
};
