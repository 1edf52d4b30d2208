#include "widgets/search/ListPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ListPictures {

QPixmap banner(const QString &title, QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0.0, QColor(20, 50, 110));
    gradient.setColorAt(1.0, QColor(70, 130, 200));
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), 8, 8);
    painter.fillPath(shape, gradient);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(size.height() * 2 / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, title);
    return picture;
}

QPixmap instructions(const QStringList &lines, QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);
    painter.fillPath(shape, QColor(255, 250, 225));
    painter.setPen(QColor(200, 180, 120));
    painter.drawPath(shape);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 128));
    const int lineHeight = (size.height() - 8) / std::max<int>(1, lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(QRect(10, 4 + i * lineHeight, size.width() - 20, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines.at(i));
    }
    return picture;
}

} // namespace ListPictures
