#pragma once

#include "CardTestTools.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

// Drives a check window that some code opens modally: once it is up,
// records which window it is and what its field holds, then presses its
// "Controlla" button; a window the check left open (the length warnings do)
// is closed afterwards.
struct ModalCheck
{
    QString windowName;
    QString fieldText;

    void pressCheckWhenShown()
    {
        CardTestTools::onNextModal([this](QWidget *window) {
            windowName = window->objectName();
            if (auto *field = window->findChild<QLineEdit *>())
                fieldText = field->text();
            if (auto *check = window->findChild<QPushButton *>(QStringLiteral("btnControlla")))
                check->click();
        });
    }
};
