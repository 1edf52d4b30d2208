#pragma once

#include "widgets/checks/CheckWindow.h"

// The fiscal code check window: tells whether the check character of an
// Italian personal fiscal code is right. It only reports; it never writes
// back into the window that opened it.
class TfrmCodFisc : public CheckWindow
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

    // Opens the window modally over `owner` with `code` in `txtCodFisc`, and
    // destroys it when the user is done.
    static void openWith(QWidget *owner, const QString &code);

protected:
    void btnControllaClick() override;
};
