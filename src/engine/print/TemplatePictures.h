#pragma once

#include <QImage>
#include <QString>

// The small pictures the receipt carries in its design: drawn here at
// printing resolution, in the proportions of the boxes that hold them.
namespace TemplatePictures {

QImage euroSign();  // blue, before the amount in words and the total
QImage comma();     // between the euros box and the cents box
QImage scissors();  // at the start of the cut line

// The picture a template row names by key ("euro", "comma", "scissors");
// null for any other key.
QImage byKey(const QString &key);

} // namespace TemplatePictures
