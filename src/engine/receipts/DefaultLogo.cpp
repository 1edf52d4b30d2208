#include "engine/receipts/DefaultLogo.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int LogoWidth = 297;
constexpr int LogoHeight = 184;
const QColor LogoBlue(0x0b, 0x3d, 0x9c);

// The sign centred on the origin: a thick ring opened on the right, crossed
// on the left by two bars that lean like the printed sign's. Drawn as one
// outline, with no font, so that it looks the same everywhere and needs no
// font database. The outline is built large and scaled down when drawn:
// joining and cutting shapes turns their curves into straight segments,
// which must stay too short to show.
QPainterPath euroSignPath()
{
    constexpr double Outer = 1000.0;
    constexpr double Inner = 0.72 * Outer;
    constexpr double OpeningDegrees = 42.0;

    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), Outer, Outer);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), Inner, Inner);
    ring = ring.subtracted(hole);

    // The mouth: a wedge from the centre, the same angle above and below.
    const double opening = OpeningDegrees * std::numbers::pi / 180.0;
    const double reach = 2 * Outer;
    QPolygonF wedge;
    wedge << QPointF(0, 0) << QPointF(reach * std::cos(opening), -reach * std::sin(opening))
          << QPointF(reach, -reach) << QPointF(reach, reach)
          << QPointF(reach * std::cos(opening), reach * std::sin(opening));
    QPainterPath mouth;
    mouth.addPolygon(wedge);
    mouth.closeSubpath();
    QPainterPath sign = ring.subtracted(mouth);

    // The two bars, slanted so that their ends follow the sign's lean.
    constexpr double BarHeight = 0.2 * Outer;
    constexpr double BarLeft = -1.32 * Outer;
    constexpr double BarRight = 0.42 * Outer;
    constexpr double Lean = 0.1 * Outer;
    for (const double middle : {-0.2 * Outer, 0.2 * Outer}) {
        const double top = middle - BarHeight / 2;
        const double bottom = middle + BarHeight / 2;
        QPolygonF bar;
        bar << QPointF(BarLeft + Lean, top) << QPointF(BarRight + Lean, top)
            << QPointF(BarRight, bottom) << QPointF(BarLeft, bottom);
        QPainterPath barPath;
        barPath.addPolygon(bar);
        barPath.closeSubpath();
        sign = sign.united(barPath);
    }
    return sign.simplified();
}

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

void drawEuroSign(QPainter &painter, const QRectF &box)
{
    const QPainterPath sign = euroSignPath();
    const QRectF bounds = sign.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(LogoBlue);
    painter.drawPath(sign);
    painter.restore();
}

QImage defaultLogoImage()
{
    QImage image = whiteImage(LogoWidth, LogoHeight);
    QPainter painter(&image);
    // A margin all round keeps the sign clear of the logo area's edges.
    drawEuroSign(painter, QRectF(0, 0, LogoWidth, LogoHeight).adjusted(40, 22, -40, -22));
    return image;
}

QImage blankLogoImage()
{
    return whiteImage(2, 2);
}
