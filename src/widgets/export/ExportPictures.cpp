#include "widgets/export/ExportPictures.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor SheetGreen(0x1d, 0x6f, 0x42);
const QColor GridLine(0xa9, 0xc9, 0xb5);

void drawSpreadsheet(QPainter &p, const QRectF &r)
{
    // The page, with its folded corner.
    const QRectF page = r.adjusted(r.width() * 0.16, r.height() * 0.06, -r.width() * 0.1, -r.height() * 0.06);
    const qreal fold = page.width() * 0.28;
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    p.setPen(QPen(SheetGreen, r.width() / 24));
    p.setBrush(Qt::white);
    p.drawPath(outline);

    // The cells.
    p.setPen(QPen(GridLine, r.width() / 40));
    const QRectF cells = page.adjusted(page.width() * 0.38, page.height() * 0.3, -page.width() * 0.1, -page.height() * 0.1);
    for (int i = 0; i <= 4; ++i) {
        const qreal y = cells.top() + cells.height() * i / 4;
        p.drawLine(QPointF(cells.left(), y), QPointF(cells.right(), y));
    }
    for (int i = 0; i <= 2; ++i) {
        const qreal x = cells.left() + cells.width() * i / 2;
        p.drawLine(QPointF(x, cells.top()), QPointF(x, cells.bottom()));
    }

    // The badge with the X that spreadsheet programs are known by.
    const QRectF badge(r.left() + r.width() * 0.04, r.top() + r.height() * 0.3, r.width() * 0.5, r.height() * 0.46);
    p.setPen(Qt::NoPen);
    p.setBrush(SheetGreen);
    p.drawRoundedRect(badge, r.width() / 16, r.width() / 16);
    p.setPen(QPen(Qt::white, r.width() / 11, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = badge.adjusted(badge.width() * 0.28, badge.height() * 0.24, -badge.width() * 0.28, -badge.height() * 0.24);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
}

} // namespace

namespace ExportPictures {

QPixmap spreadsheet(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSpreadsheet(painter, QRectF(0, 0, size, size));
    return picture;
}

QPixmap pointingHand(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The pointing hand is a character of the common fonts (DejaVu Sans
    // among them), so it needs no drawing of its own.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(height);
    painter.setFont(font);
    painter.setPen(QColor(0x6a, 0x5a, 0xcd));
    painter.drawText(QRect(0, 0, width, height), Qt::AlignCenter, QString(QChar(0x261E)));
    return picture;
}

QPixmap heading(int width, int height, const QString &title)
{
    QPixmap picture(width, height);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, height);
    band.setColorAt(0, QColor(0x1d, 0x6f, 0x42));
    band.setColorAt(1, QColor(0x3c, 0xa3, 0x6b));
    painter.fillRect(picture.rect(), band);

    const int iconSize = height - 16;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawRoundedRect(QRectF(12, 6, iconSize + 8, iconSize + 4), 8, 8);
    drawSpreadsheet(painter, QRectF(16, 8, iconSize, iconSize));

    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(height * 2 / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(iconSize + 36, 0, width - iconSize - 48, height), Qt::AlignVCenter | Qt::AlignLeft, title);
    return picture;
}

} // namespace ExportPictures
