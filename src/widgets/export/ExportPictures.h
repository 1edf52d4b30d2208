#pragma once

#include <QPixmap>
#include <QString>

// The export window's own pictures, drawn at run time like the program's
// other pictures.
namespace ExportPictures {

// A green spreadsheet page with its grid: the export button.
QPixmap spreadsheet(int size);
// A hand pointing right, at the export button.
QPixmap pointingHand(int width, int height);
// The title band across the top of the window, with the spreadsheet on the
// left of the title.
QPixmap heading(int width, int height, const QString &title);

} // namespace ExportPictures
