#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>

// Drives a check window that some code opens modally: once the modal loop
// runs, records which window is up and what its field holds, then presses
// its "Controlla" button, closing the window if the check left it open
// (the length warnings do). Any check window still open after a few seconds
// is closed, so that a failing test cannot hang.
struct ModalCheck
{
    QString windowName;
    QString fieldText;

    void pressCheckWhenShown()
    {
        QTimer::singleShot(0, [this] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (!window->isVisible() || !window->objectName().startsWith(QLatin1String("frm")))
                    continue;
                windowName = window->objectName();
                if (auto *field = window->findChild<QLineEdit *>())
                    fieldText = field->text();
                window->findChild<QPushButton *>(QStringLiteral("btnControlla"))->click();
                if (window->isVisible())
                    window->close();
            }
        });
        QTimer::singleShot(5000, [] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->isVisible())
                    window->close();
            }
        });
    }
};
