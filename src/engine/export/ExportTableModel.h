#pragma once

#include "engine/export/ExportRows.h"

#include <QAbstractTableModel>

struct ExportDefinition;

// The export grid's content: column 0, headed "N.", numbers the rows from 1;
// the other columns are the archive's exported fields under their grid
// headers. Read-only, over rows read once, so that a view asks only for the
// cells it shows.
class ExportTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ExportTableModel(const ExportDefinition &definition, QObject *parent = nullptr);

    const ExportDefinition &definition() const { return m_definition; }
    const ExportRows &rows() const { return m_rows; }
    void setRows(ExportRows rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ExportDefinition &m_definition;
    ExportRows m_rows;
};
