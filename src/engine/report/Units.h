#pragma once

// Templates are drawn in millimetres; devices count dots. Every conversion
// goes through here so that a page looks the same on paper and in a PDF.
namespace Report::Units {

constexpr double mmPerInch = 25.4;
constexpr double pointsPerInch = 72.0;

constexpr double mmToDots(double mm, double dotsPerInch)
{
    return mm * dotsPerInch / mmPerInch;
}

constexpr double dotsToMm(double dots, double dotsPerInch)
{
    return dots * mmPerInch / dotsPerInch;
}

constexpr double pointsToMm(double points)
{
    return points * mmPerInch / pointsPerInch;
}

// Some heights are known as screen pixels of the original design (96 dpi).
constexpr double screenPixelsToMm(double pixels)
{
    return dotsToMm(pixels, 96.0);
}

// The weight of every "thin" line and outline: one screen pixel.
constexpr double thinLineMm = screenPixelsToMm(1.0);

} // namespace Report::Units
