#include "widgets/app/FirstPaintExit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once this paint has reached the screen.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void exitAfterFirstPaint(QWidget *window)
{
    window->installEventFilter(new FirstPaintWatcher(window));
}
