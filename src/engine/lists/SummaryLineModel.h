#pragma once

#include "engine/lists/SummaryLines.h"

#include <QAbstractListModel>

// The lines of a list window for a list view: one row per line, its text
// the display role. The whole list is replaced in one step.
class SummaryLineModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit SummaryLineModel(QObject *parent = nullptr);

    void setLines(SummaryLines lines);
    void clear();
    const SummaryLines &lines() const { return m_lines; }
    QString line(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    SummaryLines m_lines;
};
