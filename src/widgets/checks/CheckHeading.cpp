#include "widgets/checks/CheckHeading.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace CheckHeading {
namespace {

const QColor BandTop(0x1d, 0x4f, 0x91);
const QColor BandBottom(0x3a, 0x7b, 0xd5);
const QColor ItalianGreen(0x00, 0x92, 0x46);
const QColor ItalianRed(0xce, 0x2b, 0x37);

// A point at `radius` from `centre`, `degrees` clockwise from straight up.
QPointF polar(const QPointF &centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

void drawFiscalCard(QPainter &p, const QRectF &box)
{
    const QRectF card(box.left(), box.center().y() - box.height() * 0.34,
                      box.width(), box.height() * 0.68);
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 5, 5);

    // The coloured strip across the top of the card.
    QRectF strip(card.left() + 1, card.top() + 1, card.width() - 2, card.height() * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x8f, 0xd8));
    p.drawRoundedRect(strip, 4, 4);

    // The holder's photo: a head and shoulders on a pale frame.
    const QRectF photo(card.left() + card.width() * 0.08, strip.bottom() + card.height() * 0.1,
                       card.width() * 0.3, card.height() * 0.56);
    p.setBrush(QColor(0xe3, 0xee, 0xfa));
    p.drawRect(photo);
    p.setBrush(QColor(0x6b, 0x7f, 0x96));
    const double head = photo.width() * 0.42;
    p.drawEllipse(QRectF(photo.center().x() - head / 2, photo.top() + photo.height() * 0.14, head, head));
    QPainterPath shoulders;
    shoulders.moveTo(photo.left() + photo.width() * 0.12, photo.bottom());
    shoulders.quadTo(photo.center().x(), photo.top() + photo.height() * 0.42,
                     photo.right() - photo.width() * 0.12, photo.bottom());
    shoulders.closeSubpath();
    p.drawPath(shoulders);

    // The printed lines of the holder's data.
    p.setPen(QPen(QColor(0xb0, 0xbb, 0xc8), 2.0, Qt::SolidLine, Qt::RoundCap));
    const double textLeft = photo.right() + card.width() * 0.08;
    const double textRight = card.right() - card.width() * 0.08;
    for (int line = 0; line < 3; ++line) {
        const double y = photo.top() + photo.height() * (0.18 + 0.32 * line);
        const double right = line == 2 ? (textLeft + textRight) / 2 : textRight;
        p.drawLine(QPointF(textLeft, y), QPointF(right, y));
    }
}

void drawEmblem(QPainter &p, const QRectF &box)
{
    const QPointF centre = box.center();
    const double outer = box.width() * 0.5;

    // The wreath: a green branch curving up each side.
    p.setPen(QPen(ItalianGreen, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF wreath(centre.x() - outer * 0.95, centre.y() - outer * 0.95, outer * 1.9, outer * 1.9);
    p.drawArc(wreath, 200 * 16, 130 * 16);
    p.drawArc(wreath, -30 * 16, 130 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ItalianGreen);
    for (int leaf = 0; leaf < 5; ++leaf) {
        for (int side : {-1, 1}) {
            const QPointF at = polar(centre, outer * 0.95, side * (110 + leaf * 22));
            p.drawEllipse(at, outer * 0.12, outer * 0.12);
        }
    }

    // The cogwheel.
    const double wheel = outer * 0.68;
    QPolygonF cog;
    constexpr int Teeth = 12;
    for (int tooth = 0; tooth < Teeth; ++tooth) {
        const double step = 360.0 / Teeth;
        const double start = tooth * step;
        cog << polar(centre, wheel * 0.84, start) << polar(centre, wheel, start + step * 0.15)
            << polar(centre, wheel, start + step * 0.45) << polar(centre, wheel * 0.84, start + step * 0.6);
    }
    p.setPen(QPen(QColor(0x55, 0x5f, 0x6b), 1.0));
    p.setBrush(QColor(0xd8, 0xdd, 0xe3));
    p.drawPolygon(cog);

    // The five-pointed star over the wheel.
    QPolygonF star;
    for (int point = 0; point < 10; ++point)
        star << polar(centre, point % 2 == 0 ? wheel * 0.78 : wheel * 0.32, point * 36.0);
    p.setPen(QPen(ItalianRed, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(star);

    // The ribbon tying the branches at the bottom.
    p.setPen(Qt::NoPen);
    p.setBrush(ItalianRed);
    p.drawRoundedRect(QRectF(centre.x() - outer * 0.35, centre.y() + outer * 0.82, outer * 0.7, outer * 0.2), 2, 2);
}

} // namespace

QPixmap picture(int width, int height, Icon icon, const QString &title)
{
    // Drawn at the screen's pixel density so that it stays sharp.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(width, height) * ratio);
    pixmap.setDevicePixelRatio(ratio);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient band(0, 0, 0, height);
    band.setColorAt(0, BandTop);
    band.setColorAt(1, BandBottom);
    p.fillRect(QRectF(0, 0, width, height), band);

    // A thin tricolour rule under the band.
    const double ruleHeight = 3;
    const double third = width / 3.0;
    p.fillRect(QRectF(0, height - ruleHeight, third, ruleHeight), ItalianGreen);
    p.fillRect(QRectF(third, height - ruleHeight, third, ruleHeight), Qt::white);
    p.fillRect(QRectF(2 * third, height - ruleHeight, width - 2 * third, ruleHeight), ItalianRed);

    const double iconSize = (height - ruleHeight) * 0.72;
    const QRectF iconBox(18, (height - ruleHeight - iconSize) / 2, iconSize, iconSize);
    if (icon == Icon::FiscalCard)
        drawFiscalCard(p, iconBox);
    else
        drawEmblem(p, iconBox);

    QFont titleFont = QGuiApplication::font();
    titleFont.setPointSize(15);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(Qt::white);
    const QRectF textBox(iconBox.right() + 16, 0, width - iconBox.right() - 32, height - ruleHeight);
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, title);
    return pixmap;
}

} // namespace CheckHeading
