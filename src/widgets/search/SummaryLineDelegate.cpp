#include "widgets/search/SummaryLineDelegate.h"

#include <QFontMetrics>
#include <QPainter>

SummaryLineDelegate::SummaryLineDelegate(QObject *parent)
    : QAbstractItemDelegate(parent)
    , m_font(listFont())
    , m_lineHeight(QFontMetrics(m_font).height() + 2)
{
}

QFont SummaryLineDelegate::listFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(12);
    return font;
}

void SummaryLineDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, QColor(173, 216, 230));
    painter->setFont(m_font);
    painter->setPen(Qt::black);
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize SummaryLineDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(kLineWidth, m_lineHeight);
}
