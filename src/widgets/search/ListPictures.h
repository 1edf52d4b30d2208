#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

// The pictures of the list and search windows, drawn at run time: the
// banner with a window's title and the instruction panels.
namespace ListPictures {

// A banner of that size reading `title`.
QPixmap banner(const QString &title, QSize size);
// Instruction lines on a light panel of that size.
QPixmap instructions(const QStringList &lines, QSize size);

} // namespace ListPictures
