#include "KeyInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace KeyInput {

void pressKey(QWidget *widget, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        int key = Qt::Key_unknown;
        if (c.isLetter() && c.unicode() < 128)
            key = Qt::Key_A + (c.toUpper().unicode() - 'A');
        else if (c.isDigit())
            key = Qt::Key_0 + (c.unicode() - '0');
        else if (c == QLatin1Char(' '))
            key = Qt::Key_Space;
        pressKey(widget, key, QString(c));
    }
}

} // namespace KeyInput
