#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// The logo pictures built into the program, for receipts whose landlord has
// not chosen a logo of their own (or has removed it).

// The default logo: 297 x 184 pixels, a large blue euro sign on white.
QImage defaultLogoImage();

// A 2 x 2 white picture: the logo of a landlord who wants none, so that the
// receipt's logo area prints empty.
QImage blankLogoImage();

// Draws the blue euro sign of the default logo, as large as fits in `box`
// and centred in it, so that small pictures of it match the logo.
void drawEuroSign(QPainter &painter, const QRectF &box);
