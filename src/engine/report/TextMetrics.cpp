#include "engine/report/TextMetrics.h"

#include "engine/report/FontFamilies.h"
#include "engine/report/Units.h"

#include <QImage>

namespace Report::TextMetrics {

namespace {

// Metrics are taken at a printer's resolution, not the screen's, so that
// rounding to whole dots does not show.
constexpr double referenceDpi = 1200.0;

const QImage &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(referenceDpi / Units::mmPerInch * 1000.0);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

} // namespace

double linePitchMm(const TextBox &box)
{
    if (box.linePitchMm > 0.0)
        return box.linePitchMm;
    const QFontMetricsF metrics(FontFamilies::font(box.font), &referenceDevice());
    return Units::dotsToMm(metrics.lineSpacing(), referenceDevice().logicalDpiY());
}

QString fittingPrefix(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // Advances grow with every character added: the longest fitting
    // beginning is found by halving.
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits > 0 && text.at(fits - 1).isHighSurrogate())
        --fits;
    return text.left(fits);
}

QStringList wrappedLines(const QString &text, const TextFont &font, double widthMm)
{
    const QFontMetricsF metrics(FontFamilies::font(font), &referenceDevice());
    const qreal width = Units::mmToDots(widthMm, referenceDevice().logicalDpiX());
    QStringList lines;
    QString line;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(candidate) <= width) {
            line = candidate;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        line.clear();
        // A word wider than the box (a long address) goes over several lines.
        while (metrics.horizontalAdvance(word) > width) {
            QString piece = fittingPrefix(word, metrics, width);
            if (piece.isEmpty())
                piece = word.left(word.front().isHighSurrogate() ? 2 : 1);
            lines.append(piece);
            word = word.mid(piece.size());
        }
        line = word;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

} // namespace Report::TextMetrics
