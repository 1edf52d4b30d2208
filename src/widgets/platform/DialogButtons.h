#pragma once

#include <QSize>
#include <QString>

#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QWidget;

// The buttons at the foot of the program's dialogs. The small dialogs'
// (numbering, logo, checks, property codes): named, with a fixed least
// size, side by side at the right end of their row.
namespace DialogButtons {

QPushButton *make(const QString &name, const QString &text, QWidget *parent, QSize minimum = QSize(120, 30));
// A row holding the buttons in the order given, pushed to the right.
QHBoxLayout *row(std::initializer_list<QPushButton *> buttons);

// The buttons of the larger windows (guests, tax rules, reports): named,
// with a tooltip saying what they do, never pressed by Enter in a field.
QPushButton *action(const QString &name, const QString &text, const QString &tip, QWidget *parent);
// A row with the window's own buttons at the left and its way out at the
// right.
QHBoxLayout *split(std::initializer_list<QPushButton *> left, std::initializer_list<QPushButton *> right);

} // namespace DialogButtons
