#include "engine/lists/SummaryLineModel.h"

#include <utility>

SummaryLineModel::SummaryLineModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void SummaryLineModel::setLines(SummaryLines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void SummaryLineModel::clear()
{
    setLines(SummaryLines());
}

QString SummaryLineModel::line(int row) const
{
    if (row < 0 || row >= m_lines.size())
        return QString();
    return m_lines.line(row).toString();
}

int SummaryLineModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant SummaryLineModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_lines.line(index.row()).toString();
    return QVariant();
}
