#pragma once

class QWidget;

// For `--prova-avvio` and the start-up benchmark: ends the event loop as
// soon as `window` has been painted for the first time, so that a start can
// be tried (and timed) without anyone closing the window.
void exitAfterFirstPaint(QWidget *window);
