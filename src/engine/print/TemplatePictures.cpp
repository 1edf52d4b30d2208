#include "engine/print/TemplatePictures.h"

#include "engine/receipts/DefaultLogo.h"

#include <QPainter>
#include <QPainterPath>

namespace TemplatePictures {

namespace {

// About 10 pixels a millimetre for boxes of 1 to 10 mm.
QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage euroSign()
{
    QImage image = blank(94, 90);
    QPainter painter(&image);
    drawEuroSign(painter, QRectF(image.rect()).adjusted(4, 4, -4, -4));
    return image;
}

QImage comma()
{
    const int width = 28;
    const int height = 60;
    QImage image = blank(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    // A round head with a tail that curls down to the left.
    const qreal radius = width * 0.38;
    const QPointF head(width * 0.5, height * 0.35);
    painter.drawEllipse(head, radius, radius);
    QPainterPath tail;
    tail.moveTo(head.x() + radius, head.y());
    tail.quadTo(head.x() + radius, height * 0.85, width * 0.1, height * 0.98);
    tail.quadTo(head.x(), height * 0.7, head.x(), head.y());
    tail.closeSubpath();
    painter.drawPath(tail);
    return image;
}

QImage scissors()
{
    const qreal width = 188;
    const qreal height = 180;
    QImage image = blank(int(width), int(height));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 40);

    // Two finger rings on the left, two blades crossing at the pivot and
    // opening towards the cut line on the right.
    const qreal ringRadius = height * 0.13;
    const QPointF upperRing(width * 0.2, height * 0.27);
    const QPointF lowerRing(width * 0.2, height * 0.73);
    const QPointF pivot(width * 0.5, height * 0.5);
    const QPointF upperTip(width * 0.98, height * 0.36);
    const QPointF lowerTip(width * 0.98, height * 0.64);

    auto blade = [&](const QPointF &ring, const QPointF &tip) {
        const QPointF start = ring + (pivot - ring) * 0.45;
        const QPointF across(0, height * 0.05);
        QPainterPath path;
        path.moveTo(start - across);
        path.lineTo(pivot - across * 0.9);
        path.lineTo(tip);
        path.lineTo(pivot + across * 0.9);
        path.lineTo(start + across);
        path.closeSubpath();
        painter.drawPath(path);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    blade(upperRing, lowerTip);
    blade(lowerRing, upperTip);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, height * 0.06));
    painter.drawEllipse(upperRing, ringRadius, ringRadius);
    painter.drawEllipse(lowerRing, ringRadius, ringRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(pivot, height * 0.025, height * 0.025);
    return image;
}

QImage byKey(const QString &key)
{
    if (key == QLatin1String("euro"))
        return euroSign();
    if (key == QLatin1String("comma"))
        return comma();
    if (key == QLatin1String("scissors"))
        return scissors();
    return {};
}

} // namespace TemplatePictures
