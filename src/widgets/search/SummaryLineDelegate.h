#pragma once

#include <QAbstractItemDelegate>
#include <QFont>

// Draws the lines of a list window in a fixed-pitch font, in black, each
// line 1600 pixels wide so that the columns line up and long lines scroll
// sideways. The style's fonts and colours are not used.
class SummaryLineDelegate : public QAbstractItemDelegate
{
    Q_OBJECT
public:
    explicit SummaryLineDelegate(QObject *parent = nullptr);

    static constexpr int kLineWidth = 1600;
    // Courier New 12, or Liberation Mono (the same metrics) where Courier
    // New is missing.
    static QFont listFont();

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QFont m_font;
    int m_lineHeight;
};
