#include "engine/export/ExportTableModel.h"

#include "engine/export/ExportTables.h"

#include <limits>
#include <utility>

ExportTableModel::ExportTableModel(const ExportDefinition &definition, QObject *parent)
    : QAbstractTableModel(parent)
    , m_definition(definition)
    , m_rows(definition.columnCount())
{
}

void ExportTableModel::setRows(ExportRows rows)
{
    Q_ASSERT(rows.columnCount() == m_definition.columnCount());
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ExportTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    // A view counts rows in an int: more records than that are not shown.
    return static_cast<int>(std::min<qsizetype>(m_rows.rowCount(), std::numeric_limits<int>::max()));
}

int ExportTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_definition.columnCount() + 1;
}

QVariant ExportTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    return m_rows.text(index.row(), index.column() - 1);
}

QVariant ExportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section > m_definition.columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("N.");
    return m_definition.columns[section - 1].gridHeaderText();
}
