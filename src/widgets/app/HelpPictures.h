#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the guide, information and splash windows, drawn at run
// time like the rest of the program's pictures.
namespace HelpPictures {

// A question mark in a disc and the words "Guida all'utilizzo del software".
QPixmap guideHeading(const QSize &size);
// A sheet with a red "PDF" band.
QPixmap pdfIcon(int size);
// A globe, for the maker's web address.
QPixmap globeIcon(int size);
// The information area of the information window: the program, what it
// does, its version and its maker.
QPixmap informationArea(const QSize &size);
// The splash picture: the program's name over a holiday sea, the maker's
// name and web address.
QPixmap splash(const QSize &size);

} // namespace HelpPictures
