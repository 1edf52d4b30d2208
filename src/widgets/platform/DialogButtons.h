#pragma once

#include <QSize>
#include <QString>

#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QWidget;

// The buttons at the foot of the program's small dialogs (numbering, logo,
// checks, property codes): named, with a fixed least size, side by side at
// the right end of their row.
namespace DialogButtons {

QPushButton *make(const QString &name, const QString &text, QWidget *parent, QSize minimum = QSize(120, 30));
// A row holding the buttons in the order given, pushed to the right.
QHBoxLayout *row(std::initializer_list<QPushButton *> buttons);

} // namespace DialogButtons
