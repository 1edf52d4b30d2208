#include "widgets/app/HelpPictures.h"

#include "engine/platform/Platform.h"
#include "widgets/app/MakerInfo.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

QFont font(const QString &family, int pixels, bool bold = false, bool italic = false)
{
    QFont result(family);
    result.setPixelSize(pixels);
    result.setBold(bold);
    result.setItalic(italic);
    return result;
}

QPixmap blank(const QSize &size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    return picture;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QString copyrightLine()
{
    return QStringLiteral("© %1 %2").arg(platform().today().year()).arg(MakerInfo::makerName());
}

} // namespace

namespace HelpPictures {

QPixmap guideHeading(const QSize &size)
{
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    prepare(painter);
    QLinearGradient band(0, 0, size.width(), 0);
    band.setColorAt(0.0, QColor(24, 70, 150));
    band.setColorAt(1.0, QColor(120, 170, 230));
    painter.fillRect(picture.rect(), band);

    const int disc = size.height() - 16;
    const QRectF circle(12, 8, disc, disc);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawEllipse(circle);
    painter.setFont(font(QStringLiteral("Verdana"), disc * 2 / 3, true));
    painter.drawText(circle, Qt::AlignCenter, QStringLiteral("?"));

    painter.setFont(font(QStringLiteral("Verdana"), size.height() * 2 / 5, true));
    painter.drawText(QRect(disc + 28, 0, size.width() - disc - 36, size.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Guida all'utilizzo del software"));
    return picture;
}

QPixmap pdfIcon(int size)
{
    QPixmap picture = blank(QSize(size, size));
    QPainter painter(&picture);
    prepare(painter);
    const qreal s = size;
    QPainterPath sheet;
    sheet.moveTo(s * 0.2, s * 0.05);
    sheet.lineTo(s * 0.62, s * 0.05);
    sheet.lineTo(s * 0.82, s * 0.25);
    sheet.lineTo(s * 0.82, s * 0.95);
    sheet.lineTo(s * 0.2, s * 0.95);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(90, 90, 90), s / 24));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.drawLine(QPointF(s * 0.62, s * 0.05), QPointF(s * 0.62, s * 0.25));
    painter.drawLine(QPointF(s * 0.62, s * 0.25), QPointF(s * 0.82, s * 0.25));
    const QRectF band(s * 0.08, s * 0.5, s * 0.7, s * 0.28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawRoundedRect(band, s / 20, s / 20);
    painter.setPen(Qt::white);
    painter.setFont(font(QStringLiteral("Verdana"), static_cast<int>(s * 0.2), true));
    painter.drawText(band, Qt::AlignCenter, QStringLiteral("PDF"));
    return picture;
}

QPixmap globeIcon(int size)
{
    QPixmap picture = blank(QSize(size, size));
    QPainter painter(&picture);
    prepare(painter);
    const qreal s = size;
    const QRectF earth(s * 0.08, s * 0.08, s * 0.84, s * 0.84);
    QRadialGradient sea(earth.center() - QPointF(s * 0.12, s * 0.12), s * 0.6);
    sea.setColorAt(0.0, QColor(120, 190, 250));
    sea.setColorAt(1.0, QColor(20, 80, 170));
    painter.setPen(QPen(QColor(20, 50, 110), s / 24));
    painter.setBrush(sea);
    painter.drawEllipse(earth);
    painter.setPen(QPen(QColor(255, 255, 255, 200), s / 30));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(earth.adjusted(s * 0.22, 0, -s * 0.22, 0));
    painter.drawLine(QPointF(earth.center().x(), earth.top()), QPointF(earth.center().x(), earth.bottom()));
    for (const qreal y : {0.3, 0.5, 0.7}) {
        const qreal half = std::sqrt(0.25 - (y - 0.5) * (y - 0.5)) * earth.height();
        painter.drawLine(QPointF(earth.center().x() - half, earth.top() + earth.height() * y),
                         QPointF(earth.center().x() + half, earth.top() + earth.height() * y));
    }
    return picture;
}

QPixmap informationArea(const QSize &size)
{
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    prepare(painter);
    painter.setPen(QColor(120, 150, 200));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

    const int left = 18;
    const int width = size.width() - 2 * left;
    int y = 14;
    const auto line = [&](const QString &text, const QFont &face, const QColor &colour, int height) {
        painter.setFont(face);
        painter.setPen(colour);
        painter.drawText(QRect(left, y, width, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
        y += height;
    };
    const QColor navy(0, 0, 128);
    line(QStringLiteral("Vacanzio"), font(QStringLiteral("Verdana"), 26, true), navy, 36);
    line(QStringLiteral("Versione %1").arg(QCoreApplication::applicationVersion().isEmpty()
                                               ? QStringLiteral("1.0")
                                               : QCoreApplication::applicationVersion()),
         font(QStringLiteral("Tahoma"), 13), Qt::darkGray, 22);
    y += 8;
    line(QStringLiteral("Gestione dei contratti di locazione turistica, con gli archivi di immobili, "
                        "locatori e conduttori, e stampa delle ricevute di pagamento."),
         font(QStringLiteral("Tahoma"), 13), Qt::black, 56);
    y += 8;
    line(QStringLiteral("Per informazioni, suggerimenti e assistenza scrivere all'indirizzo qui sotto."),
         font(QStringLiteral("Tahoma"), 13), Qt::black, 40);
    y = size.height() - 30;
    line(copyrightLine(), font(QStringLiteral("Tahoma"), 12, false, true), Qt::darkGray, 20);
    return picture;
}

QPixmap splash(const QSize &size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    prepare(painter);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(24, 70, 150));
    sky.setColorAt(0.62, QColor(120, 185, 240));
    sky.setColorAt(0.63, QColor(20, 110, 170));
    sky.setColorAt(1.0, QColor(10, 60, 120));
    painter.fillRect(picture.rect(), sky);

    // The sun over the sea.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 210, 90));
    const qreal sun = size.height() * 0.22;
    painter.drawEllipse(QRectF(size.width() * 0.72, size.height() * 0.62 - sun * 0.7, sun, sun));
    painter.fillRect(QRectF(0, size.height() * 0.63, size.width(), size.height() * 0.37), QColor(10, 80, 140, 140));

    painter.setPen(Qt::white);
    painter.setFont(font(QStringLiteral("Verdana"), size.height() / 6, true));
    painter.drawText(QRect(0, size.height() / 10, size.width(), size.height() / 4), Qt::AlignCenter,
                     QStringLiteral("Vacanzio"));
    painter.setFont(font(QStringLiteral("Verdana"), size.height() / 24, false, true));
    painter.drawText(QRect(0, size.height() * 7 / 20, size.width(), size.height() / 10), Qt::AlignCenter,
                     QStringLiteral("Contratti di locazione turistica e ricevute"));

    painter.setFont(font(QStringLiteral("Verdana"), size.height() / 18, true));
    painter.drawText(QRect(0, size.height() * 7 / 10, size.width(), size.height() / 9), Qt::AlignCenter,
                     MakerInfo::makerName());
    painter.setFont(font(QStringLiteral("Verdana"), size.height() / 26));
    painter.drawText(QRect(0, size.height() * 8 / 10, size.width(), size.height() / 10), Qt::AlignCenter,
                     MakerInfo::webAddress());
    painter.setFont(font(QStringLiteral("Tahoma"), size.height() / 32, false, true));
    painter.drawText(QRect(0, size.height() * 9 / 10, size.width(), size.height() / 10), Qt::AlignCenter,
                     copyrightLine());
    return picture;
}

} // namespace HelpPictures
