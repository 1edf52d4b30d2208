#include "widgets/platform/Pictures.h"

#include "engine/receipts/DefaultLogo.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {

QPixmap fromStyle(QStyle::StandardPixmap standard, int size)
{
    return QApplication::style()->standardIcon(standard).pixmap(size, size);
}

void drawEnvelope(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(40, 70, 140), r.width() / 16));
    p.setBrush(QColor(250, 250, 235));
    const QRectF body = r.adjusted(r.width() * 0.08, r.height() * 0.22, -r.width() * 0.08, -r.height() * 0.22);
    p.drawRect(body);
    p.drawLine(body.topLeft(), QPointF(body.center().x(), body.center().y() + body.height() * 0.1));
    p.drawLine(body.topRight(), QPointF(body.center().x(), body.center().y() + body.height() * 0.1));
}

void drawPage(QPainter &p, const QRectF &page)
{
    p.setPen(QPen(QColor(60, 70, 90), page.width() / 14));
    p.setBrush(Qt::white);
    p.drawRect(page);
    p.setPen(QPen(QColor(120, 140, 180), page.width() / 16));
    for (int line = 1; line <= 3; ++line) {
        const qreal y = page.top() + page.height() * line / 4.5;
        p.drawLine(QPointF(page.left() + page.width() * 0.2, y), QPointF(page.right() - page.width() * 0.2, y));
    }
}

void drawNewPage(QPainter &p, const QRectF &r)
{
    drawPage(p, QRectF(r.left() + r.width() * 0.16, r.top() + r.height() * 0.08, r.width() * 0.56, r.height() * 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 160, 67));
    const QRectF badge(r.left() + r.width() * 0.5, r.top() + r.height() * 0.5, r.width() * 0.46, r.height() * 0.46);
    p.drawEllipse(badge);
    p.setPen(QPen(Qt::white, r.width() / 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(badge.center().x(), badge.top() + badge.height() * 0.25),
               QPointF(badge.center().x(), badge.bottom() - badge.height() * 0.25));
    p.drawLine(QPointF(badge.left() + badge.width() * 0.25, badge.center().y()),
               QPointF(badge.right() - badge.width() * 0.25, badge.center().y()));
}

void drawTwoPages(QPainter &p, const QRectF &r)
{
    drawPage(p, QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.06, r.width() * 0.5, r.height() * 0.66));
    drawPage(p, QRectF(r.left() + r.width() * 0.38, r.top() + r.height() * 0.28, r.width() * 0.5, r.height() * 0.66));
}

void drawMagnifier(QPainter &p, const QRectF &lens)
{
    p.setPen(QPen(QColor(60, 70, 90), lens.width() / 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(200, 225, 250, 200));
    p.drawEllipse(lens);
    p.drawLine(QPointF(lens.right() - lens.width() * 0.12, lens.bottom() - lens.height() * 0.12),
               QPointF(lens.right() + lens.width() * 0.45, lens.bottom() + lens.height() * 0.45));
}

void drawPreview(QPainter &p, const QRectF &r)
{
    drawPage(p, QRectF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.06, r.width() * 0.56, r.height() * 0.8));
    drawMagnifier(p, QRectF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.4, r.width() * 0.32, r.height() * 0.32));
}

void drawPrinter(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    const qreal h = r.height();
    drawPage(p, QRectF(r.left() + w * 0.26, r.top() + h * 0.06, w * 0.48, h * 0.4));
    p.setPen(QPen(QColor(60, 70, 90), w / 16));
    p.setBrush(QColor(150, 160, 180));
    p.drawRoundedRect(QRectF(r.left() + w * 0.08, r.top() + h * 0.38, w * 0.84, h * 0.36), w * 0.06, w * 0.06);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + w * 0.26, r.top() + h * 0.62, w * 0.48, h * 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 160, 67));
    p.drawEllipse(QRectF(r.left() + w * 0.76, r.top() + h * 0.45, w * 0.08, h * 0.08));
}

void drawSendEmail(QPainter &p, const QRectF &r)
{
    drawEnvelope(p, QRectF(r.left(), r.top() + r.height() * 0.08, r.width() * 0.8, r.height() * 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 160, 67));
    QPolygonF arrow;
    const qreal w = r.width();
    const qreal h = r.height();
    arrow << QPointF(r.left() + w * 0.55, r.top() + h * 0.55) << QPointF(r.left() + w * 0.78, r.top() + h * 0.55)
          << QPointF(r.left() + w * 0.78, r.top() + h * 0.42) << QPointF(r.left() + w, r.top() + h * 0.66)
          << QPointF(r.left() + w * 0.78, r.top() + h * 0.9) << QPointF(r.left() + w * 0.78, r.top() + h * 0.77)
          << QPointF(r.left() + w * 0.55, r.top() + h * 0.77);
    p.drawPolygon(arrow);
}

void drawTick(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 160, 67));
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
    p.setPen(QPen(Qt::white, r.width() / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(r.left() + r.width() * 0.27, r.top() + r.height() * 0.52);
    path.lineTo(r.left() + r.width() * 0.44, r.top() + r.height() * 0.70);
    path.lineTo(r.left() + r.width() * 0.74, r.top() + r.height() * 0.33);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawArrow(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 160, 67));
    QPolygonF arrow;
    const qreal w = r.width();
    const qreal h = r.height();
    arrow << QPointF(r.left() + w * 0.1, r.top() + h * 0.38) << QPointF(r.left() + w * 0.55, r.top() + h * 0.38)
          << QPointF(r.left() + w * 0.55, r.top() + h * 0.15) << QPointF(r.left() + w * 0.92, r.top() + h * 0.5)
          << QPointF(r.left() + w * 0.55, r.top() + h * 0.85) << QPointF(r.left() + w * 0.55, r.top() + h * 0.62)
          << QPointF(r.left() + w * 0.1, r.top() + h * 0.62);
    p.drawPolygon(arrow);
}

void drawPerson(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal w = r.width();
    const qreal h = r.height();
    p.drawEllipse(QRectF(r.left() + w * 0.34, r.top() + h * 0.08, w * 0.32, h * 0.32));
    p.drawRoundedRect(QRectF(r.left() + w * 0.18, r.top() + h * 0.46, w * 0.64, h * 0.48), w * 0.2, w * 0.2);
}

void drawHouse(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    const qreal h = r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 45));
    QPolygonF roof;
    roof << QPointF(r.left() + w * 0.5, r.top() + h * 0.08) << QPointF(r.left() + w * 0.95, r.top() + h * 0.48)
         << QPointF(r.left() + w * 0.05, r.top() + h * 0.48);
    p.drawPolygon(roof);
    p.setBrush(QColor(245, 225, 180));
    p.drawRect(QRectF(r.left() + w * 0.17, r.top() + h * 0.48, w * 0.66, h * 0.44));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(r.left() + w * 0.42, r.top() + h * 0.62, w * 0.16, h * 0.30));
}

void drawSheet(QPainter &p, const QRectF &r, bool withSeal)
{
    const qreal w = r.width();
    const qreal h = r.height();
    p.setPen(QPen(QColor(90, 90, 90), w / 32));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + w * 0.2, r.top() + h * 0.08, w * 0.6, h * 0.84));
    p.setPen(QPen(QColor(70, 110, 180), w / 24));
    for (int line = 0; line < 5; ++line) {
        const qreal y = r.top() + h * (0.22 + line * 0.11);
        p.drawLine(QPointF(r.left() + w * 0.3, y), QPointF(r.left() + w * 0.7, y));
    }
    if (withSeal) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 60, 45));
        p.drawEllipse(QRectF(r.left() + w * 0.52, r.top() + h * 0.68, w * 0.2, h * 0.2));
    }
}

void drawClock(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(40, 70, 140), r.width() / 14));
    p.setBrush(Qt::white);
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    p.drawLine(r.center(), QPointF(r.center().x(), r.top() + r.height() * 0.25));
    p.drawLine(r.center(), QPointF(r.left() + r.width() * 0.72, r.center().y()));
}

void drawClip(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(90, 90, 110), r.width() / 12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const qreal w = r.width();
    const qreal h = r.height();
    QPainterPath clip;
    clip.moveTo(r.left() + w * 0.62, r.top() + h * 0.3);
    clip.lineTo(r.left() + w * 0.62, r.top() + h * 0.72);
    clip.arcTo(QRectF(r.left() + w * 0.38, r.top() + h * 0.6, w * 0.24, h * 0.24), 0, -180);
    clip.lineTo(r.left() + w * 0.38, r.top() + h * 0.22);
    clip.arcTo(QRectF(r.left() + w * 0.38, r.top() + h * 0.1, w * 0.34, h * 0.24), 180, -180);
    clip.lineTo(r.left() + w * 0.72, r.top() + h * 0.8);
    p.drawPath(clip);
}

// A school eraser lying aslant: a red end and a blue body, as on the
// two-coloured erasers that rub out ink and pencil.
void drawEraser(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    const qreal h = r.height();
    p.save();
    p.translate(r.center());
    p.rotate(-35);
    const QRectF body(-w * 0.4, -h * 0.17, w * 0.8, h * 0.34);
    const QRectF redEnd(body.left(), body.top(), body.width() * 0.42, body.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 200));
    p.drawRoundedRect(body, w * 0.05, w * 0.05);
    p.setBrush(QColor(210, 60, 60));
    p.drawRoundedRect(redEnd, w * 0.05, w * 0.05);
    p.drawRect(redEnd.adjusted(redEnd.width() * 0.5, 0, 0, 0));
    p.setPen(QPen(QColor(60, 70, 90), w / 16));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, w * 0.05, w * 0.05);
    p.restore();
    // The shavings it leaves behind.
    p.setPen(QPen(QColor(150, 150, 160), w / 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + w * 0.1, r.bottom() - h * 0.1), QPointF(r.left() + w * 0.3, r.bottom() - h * 0.1));
    p.drawLine(QPointF(r.left() + w * 0.4, r.bottom() - h * 0.1), QPointF(r.left() + w * 0.48, r.bottom() - h * 0.1));
}

void drawEuro(QPainter &p, const QRectF &r)
{
    drawEuroSign(p, r.adjusted(r.width() * 0.08, r.height() * 0.12, -r.width() * 0.08, -r.height() * 0.12));
}

// A bold word on a small tag, as large as the tag lets it be: "N" for the
// receipts' numbering, "CIN" for the codes of a property.
void drawTag(QPainter &p, const QRectF &r, const QString &word, const QColor &fill, const QColor &outline)
{
    const QRectF tag = r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12);
    p.setPen(QPen(outline, std::max(1.0, r.width() / 24)));
    p.setBrush(fill);
    p.drawRoundedRect(tag, r.width() * 0.12, r.width() * 0.12);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    int pixels = std::max(6, int(tag.height() * 0.72));
    for (;; --pixels) {
        font.setPixelSize(pixels);
        if (pixels == 6 || QFontMetricsF(font).horizontalAdvance(word) <= tag.width() * 0.86)
            break;
    }
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(tag, Qt::AlignCenter, word);
}

// The backup icons: a storage box with an arrow going into it (backup) or
// coming out of it (restore).
void drawStorageBox(QPainter &p, const QRectF &r, bool into)
{
    const qreal w = r.width();
    const qreal h = r.height();
    const QRectF box(r.left() + w * 0.1, r.top() + h * 0.5, w * 0.8, h * 0.42);
    p.setPen(QPen(QColor(20, 50, 110), std::max(1.0, w / 24)));
    p.setBrush(QColor(235, 205, 140));
    p.drawRoundedRect(box, w * 0.06, w * 0.06);
    p.setBrush(QColor(205, 165, 95));
    p.drawRect(QRectF(box.left() - w * 0.04, box.top() - h * 0.02, box.width() + w * 0.08, h * 0.1));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(r.left() + w * 0.4, box.top() + h * 0.14, w * 0.2, h * 0.07));

    p.setPen(QPen(QColor(20, 50, 110), std::max(1.0, w / 32)));
    p.setBrush(into ? QColor(46, 160, 67) : QColor(230, 120, 30));
    const qreal x = r.left() + w * 0.5;
    const qreal shaftTop = r.top() + h * 0.04;
    const qreal tipY = into ? r.top() + h * 0.58 : shaftTop;
    const qreal baseY = into ? shaftTop : r.top() + h * 0.58;
    const qreal headY = into ? tipY - h * 0.22 : tipY + h * 0.22;
    QPolygonF arrow;
    arrow << QPointF(x - w * 0.1, baseY) << QPointF(x + w * 0.1, baseY) << QPointF(x + w * 0.1, headY)
          << QPointF(x + w * 0.22, headY) << QPointF(x, tipY) << QPointF(x - w * 0.22, headY)
          << QPointF(x - w * 0.1, headY);
    p.drawPolygon(arrow);
}

// A white sheet with three bars of a chart on it: the reports.
void drawChart(QPainter &p, const QRectF &r)
{
    const QRectF sheet = r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, -r.height() * 0.1);
    p.setPen(QPen(QColor(20, 50, 110), std::max(1.0, r.width() / 24)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, r.width() * 0.08, r.width() * 0.08);
    p.setPen(Qt::NoPen);
    const double bar = sheet.width() / 5;
    const double heights[] = {0.35, 0.6, 0.8};
    const QColor colours[] = {QColor(52, 120, 196), QColor(40, 150, 120), QColor(200, 120, 40)};
    for (int i = 0; i < 3; ++i) {
        const double height = sheet.height() * heights[i] * 0.85;
        p.setBrush(colours[i]);
        p.drawRect(QRectF(sheet.left() + bar * (0.8 + i * 1.2), sheet.bottom() - sheet.height() * 0.08 - height,
                          bar * 0.9, height));
    }
}

} // namespace

namespace Pictures {

QPixmap pixmap(Picture picture, int size)
{
    switch (picture) {
    case Picture::Save: return fromStyle(QStyle::SP_DialogSaveButton, size);
    case Picture::Find: return fromStyle(QStyle::SP_FileDialogContentsView, size);
    case Picture::First: return fromStyle(QStyle::SP_MediaSkipBackward, size);
    case Picture::Previous: return fromStyle(QStyle::SP_MediaSeekBackward, size);
    case Picture::Next: return fromStyle(QStyle::SP_MediaSeekForward, size);
    case Picture::Last: return fromStyle(QStyle::SP_MediaSkipForward, size);
    case Picture::Export: return fromStyle(QStyle::SP_FileDialogDetailedView, size);
    case Picture::Guide: return fromStyle(QStyle::SP_DialogHelpButton, size);
    case Picture::Exit: return fromStyle(QStyle::SP_DialogCloseButton, size);
    case Picture::Info: return fromStyle(QStyle::SP_MessageBoxInformation, size);
    default: break;
    }

    QPixmap result(size, size);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size, size);
    switch (picture) {
    case Picture::New: drawNewPage(painter, area); break;
    case Picture::Duplicate: drawTwoPages(painter, area); break;
    case Picture::Preview: drawPreview(painter, area); break;
    case Picture::Print: drawPrinter(painter, area); break;
    case Picture::SendEmail: drawSendEmail(painter, area); break;
    case Picture::Attach: drawClip(painter, area); break;
    case Picture::Clock: drawClock(painter, area); break;
    case Picture::Check: drawTick(painter, area); break;
    case Picture::Email: drawEnvelope(painter, area); break;
    case Picture::Import: drawArrow(painter, area); break;
    case Picture::Person: drawPerson(painter, area, QColor(40, 70, 140)); break;
    case Picture::Tenant: drawPerson(painter, area, QColor(30, 130, 110)); break;
    case Picture::House: drawHouse(painter, area); break;
    case Picture::Contract: drawSheet(painter, area, true); break;
    case Picture::Receipt: drawSheet(painter, area, false); break;
    case Picture::Eraser: drawEraser(painter, area); break;
    case Picture::Euro: drawEuro(painter, area); break;
    case Picture::Numbering:
        drawTag(painter, area, QStringLiteral("N"), QColor(70, 120, 200), QColor(20, 50, 110));
        break;
    case Picture::PropertyCodes:
        drawTag(painter, area, QStringLiteral("CIN"), QColor(40, 140, 90), QColor(20, 80, 50));
        break;
    case Picture::Backup: drawStorageBox(painter, area, true); break;
    case Picture::Restore: drawStorageBox(painter, area, false); break;
    case Picture::TouristTax:
        drawTag(painter, area, QStringLiteral("\u20ac"), QColor(210, 120, 40), QColor(120, 60, 10));
        break;
    case Picture::Reports: drawChart(painter, area); break;
    default: break;
    }
    return result;
}

QIcon icon(Picture picture)
{
    QIcon result;
    for (const int size : {16, 24, 32, 48, 64})
        result.addPixmap(pixmap(picture, size));
    return result;
}

} // namespace Pictures
