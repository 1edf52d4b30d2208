#include "engine/print/ReceiptLogo.h"

#include "engine/receipts/DefaultLogo.h"

namespace ReceiptLogo {

QImage load(const QString &logoFile)
{
    QImage logo(logoFile);
    return logo.isNull() ? defaultLogoImage() : logo;
}

} // namespace ReceiptLogo
