#pragma once

#include "engine/report/ReportTemplate.h"

#include <QRectF>
#include <QSize>

namespace Report {

// Where a picture of `imageSize` pixels is drawn inside `box` (any unit):
// the whole box when stretched; when its aspect ratio is kept, the largest
// rectangle of the picture's shape that fits, centred in the box. Empty for
// an empty picture.
QRectF fittedPictureRect(const QSize &imageSize, const QRectF &box, Scaling scaling);

} // namespace Report
