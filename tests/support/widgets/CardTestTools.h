#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <source_location>

#include "TestChild.h"

// Small tools shared by the card window tests.
namespace CardTestTools {

// The named control of a window; the test fails when it is missing (see
// TestTools::child).
QWidget *control(const QWidget *window, const QString &name,
                 std::source_location where = std::source_location::current());
template<typename T>
T *control(const QWidget *window, const QString &name,
           std::source_location where = std::source_location::current())
{
    return TestTools::child<T>(window, name, where);
}

// The text of an edit field, a combo edit or a label.
QString textOf(const QWidget *widget);

// A mouse movement over the widget, as the window system sends it.
void moveMouseOver(QWidget *widget, QPoint at = QPoint(2, 2));

// The next widget Tab stops at.
QWidget *nextTabStop(QWidget *from);

// Shows the window and waits until it is active.
bool showAndActivate(QWidget *window);

// Runs `inspect` on the next modal window as soon as it is up, then closes
// it (unless `inspect` did); a modal still up after a few seconds is closed
// so that a failing test cannot hang. Call before the action that opens it.
void onNextModal(std::function<void(QWidget *modal)> inspect);

} // namespace CardTestTools
