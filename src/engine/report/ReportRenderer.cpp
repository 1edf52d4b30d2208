#include "engine/report/ReportRenderer.h"

#include "engine/diagnostics/Logging.h"
#include "engine/report/FontFamilies.h"
#include "engine/report/PictureFit.h"
#include "engine/report/TextMetrics.h"
#include "engine/report/Units.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace Report {

namespace {

// Draws the elements of one sheet; every box is turned from millimetres
// into the device's dots here and nowhere else.
class SheetPainter
{
public:
    SheetPainter(QPainter &painter, double dpiX, double dpiY)
        : m_painter(painter), m_dpiX(dpiX), m_dpiY(dpiY)
    {
    }

    void draw(const Element &element)
    {
        std::visit([this](const auto &e) { paint(e); }, element);
    }

private:
    double dotsX(double mm) const { return Units::mmToDots(mm, m_dpiX); }
    double dotsY(double mm) const { return Units::mmToDots(mm, m_dpiY); }

    QRectF toDots(const BoxMm &box) const
    {
        return QRectF(dotsX(box.left), dotsY(box.top), dotsX(box.width), dotsY(box.height));
    }

    QPen pen(const QColor &colour, double weightMm) const
    {
        QPen result(colour, dotsX(weightMm));
        result.setCapStyle(Qt::FlatCap);
        result.setJoinStyle(Qt::MiterJoin);
        return result;
    }

    void paint(const Rectangle &rectangle)
    {
        m_painter.save();
        m_painter.setPen(rectangle.outlined ? pen(rectangle.outlineColour, rectangle.outlineMm)
                                            : QPen(Qt::NoPen));
        m_painter.setBrush(rectangle.fill.isValid() ? QBrush(rectangle.fill) : QBrush(Qt::NoBrush));
        m_painter.drawRect(toDots(rectangle.box));
        m_painter.restore();
    }

    void paint(const Line &line)
    {
        m_painter.save();
        m_painter.setPen(pen(line.colour, line.weightMm));
        const QRectF box = toDots(line.box);
        m_painter.drawLine(box.topLeft(), box.bottomRight());
        m_painter.restore();
    }

    void paint(const PictureBox &picture)
    {
        if (picture.image.isNull())
            return;
        const QRectF target = fittedPictureRect(picture.image.size(), toDots(picture.box),
                                                picture.scaling);
        m_painter.save();
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_painter.drawImage(target, picture.image);
        m_painter.restore();
    }

    void paint(const TextBox &text)
    {
        const QRectF box = toDots(text.box);
        if (text.fill.isValid())
            m_painter.fillRect(box, text.fill);
        if (text.text.isEmpty())
            return;
        m_painter.save();
        m_painter.setClipRect(box, Qt::IntersectClip);
        const QFont font = FontFamilies::font(text.font);
        m_painter.setFont(font);
        m_painter.setPen(text.textColour);
        if (text.wordWrap)
            paintWrapped(text, box);
        else
            paintLines(text, box, QFontMetricsF(font, m_painter.device()));
        m_painter.restore();
    }

    void paintWrapped(const TextBox &text, const QRectF &box)
    {
        int flags = Qt::TextWordWrap | (text.verticallyCentred ? Qt::AlignVCenter : Qt::AlignTop);
        switch (text.alignment) {
        case Alignment::Left: flags |= Qt::AlignLeft; break;
        case Alignment::Centre: flags |= Qt::AlignHCenter; break;
        case Alignment::Right: flags |= Qt::AlignRight; break;
        }
        m_painter.drawText(box, flags, text.text);
    }

    // Each line is drawn on its own: what does not fit is left out at the
    // box's right edge rather than wrapped, and a line too long for its box
    // starts at the left edge whatever the alignment, so that its beginning
    // is what shows.
    void paintLines(const TextBox &text, const QRectF &box, const QFontMetricsF &metrics)
    {
        const QStringList lines = text.text.split(QLatin1Char('\n'));
        const double pitch = dotsY(TextMetrics::linePitchMm(text));
        const double lineHeight = metrics.ascent() + metrics.descent();
        const double blockHeight = (lines.size() - 1) * pitch + lineHeight;
        const double top = text.verticallyCentred ? box.top() + (box.height() - blockHeight) / 2.0
                                                  : box.top();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double lineTop = top + i * pitch;
            if (lineTop >= box.bottom())
                break;
            const QString shown = TextMetrics::fittingPrefix(lines.at(i), metrics, box.width());
            double x = box.left();
            if (shown.size() == lines.at(i).size()) {
                const double spare = box.width() - metrics.horizontalAdvance(shown);
                if (text.alignment == Alignment::Centre)
                    x += spare / 2.0;
                else if (text.alignment == Alignment::Right)
                    x += spare;
            }
            m_painter.drawText(QPointF(x, lineTop + metrics.ascent()), shown);
        }
    }

    QPainter &m_painter;
    const double m_dpiX;
    const double m_dpiY;
};

} // namespace

bool render(const PreparedReport &report, QPagedPaintDevice &device)
{
    // A device that refuses a margin-free layout keeps its own margins, and
    // its painting origin is their corner: the shift below puts the boxes
    // back where they belong on the sheet.
    device.setPageLayout(report.pageLayout());
    QPainter painter;
    if (!painter.begin(&device)) {
        qCWarning(lcReport) << "painting cannot start on the printer or file";
        return false;
    }
    const QMarginsF kept = device.pageLayout().margins(QPageLayout::Millimeter);
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    SheetPainter sheet(painter, dpiX, dpiY);
    for (qsizetype i = 0; i < report.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            qCWarning(lcReport) << "the printer or file refused page" << i + 1;
            painter.end();
            return false;
        }
        painter.resetTransform();
        painter.translate(-Units::mmToDots(kept.left(), dpiX), -Units::mmToDots(kept.top(), dpiY));
        for (const Element &element : report.pages.at(i).elements)
            sheet.draw(element);
    }
    return painter.end();
}

} // namespace Report
