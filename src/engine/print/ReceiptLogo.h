#pragma once

#include <QImage>
#include <QString>

namespace ReceiptLogo {

// The logo the receipt prints: the picture in `logoFile` (Logo.bmp in the
// program folder), or the default logo when the file is missing or cannot
// be read. That is no failure: a receipt always has a logo to print.
QImage load(const QString &logoFile);

} // namespace ReceiptLogo
