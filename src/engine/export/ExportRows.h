#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// The rows of an export, read once from the archive: for each record, the
// exported fields' texts, trimmed, kept as their Windows-1252 bytes.
//
// All cells share one buffer, so that 100,000 records of 25 columns cost
// little more than their text: the .xls file is written from these bytes as
// they are, and the grid and the .xlsx decode only the cells they show or
// write.
class ExportRows
{
public:
    explicit ExportRows(int columnCount = 0);

    int columnCount() const { return m_columns; }
    qsizetype rowCount() const;
    // The bytes of one cell.
    QByteArrayView cell(qsizetype row, int column) const;
    // The text of one cell.
    QString text(qsizetype row, int column) const;

    void reserveRows(qsizetype rows);
    // Adds the next cell, row after row; a row counts once all its cells are
    // in. The bytes are stored as given.
    void appendCell(QByteArrayView bytes);
    // Adds a whole row from texts, trimmed and converted as the archive
    // stores them; missing texts are empty, extra texts are ignored.
    void appendRow(const QStringList &texts);

private:
    int m_columns;
    QByteArray m_bytes;
    std::vector<qsizetype> m_ends;  // where each cell's bytes end
};
