#pragma once

#include <QPixmap>
#include <QString>

// The heading picture at the top of the check windows: a small icon on the
// left and the window's title beside it, over a light band.
namespace CheckHeading {

enum class Icon {
    FiscalCard, // a plastic identity card, for the fiscal code
    Emblem,     // a star on a cogwheel in a wreath, for the VAT number
};

QPixmap picture(int width, int height, Icon icon, const QString &title);

} // namespace CheckHeading
