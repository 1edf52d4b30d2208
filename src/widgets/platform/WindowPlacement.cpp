#include "widgets/platform/WindowPlacement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

// setGeometry places the client area whether or not the window manager has
// framed the window yet, so the window lands where it is meant to on its
// first show as well.
void centreOnScreen(QWidget *window)
{
    if (const QScreen *shown = window->screen())
        window->setGeometry(QRect(shown->availableGeometry().center() - window->rect().center(), window->size()));
}

void centreOnOwner(QWidget *window, const QWidget *owner)
{
    const QWidget *ownerWindow = owner ? owner->window() : nullptr;
    if (!ownerWindow || !ownerWindow->isVisible()) {
        centreOnScreen(window);
        return;
    }
    const QRect frame = ownerWindow->frameGeometry();
    window->setGeometry(QRect(frame.center() - window->rect().center(), window->size()));
}

} // namespace WindowPlacement
