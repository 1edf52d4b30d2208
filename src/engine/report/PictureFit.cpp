#include "engine/report/PictureFit.h"

#include <algorithm>

namespace Report {

QRectF fittedPictureRect(const QSize &imageSize, const QRectF &box, Scaling scaling)
{
    if (imageSize.isEmpty() || box.isEmpty())
        return {};
    if (scaling == Scaling::Stretch)
        return box;
    const qreal scale = std::min(box.width() / imageSize.width(), box.height() / imageSize.height());
    const QSizeF size(imageSize.width() * scale, imageSize.height() * scale);
    return QRectF(box.left() + (box.width() - size.width()) / 2.0,
                  box.top() + (box.height() - size.height()) / 2.0,
                  size.width(), size.height());
}

} // namespace Report
