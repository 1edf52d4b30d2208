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

} // namespace Report::TextMetrics
