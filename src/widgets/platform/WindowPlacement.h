#pragma once

class QWidget;

// Where the program's small fixed-size windows appear when they are shown.
namespace WindowPlacement {

// In the middle of the screen the window is on.
void centreOnScreen(QWidget *window);
// In the middle of `owner`'s window; on the screen when there is none.
void centreOnOwner(QWidget *window, const QWidget *owner);

} // namespace WindowPlacement
