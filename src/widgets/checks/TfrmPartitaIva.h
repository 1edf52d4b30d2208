#pragma once

#include "widgets/checks/CheckWindow.h"

// The VAT number check window: tells whether an Italian VAT number's check
// digit is right and, when it is, which provincial VAT office issued it. It
// only reports; it never writes back into the window that opened it.
class TfrmPartitaIva : public CheckWindow
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

    // Opens the window modally over `owner` with `number` in `txtPartitaIva`,
    // and destroys it when the user is done.
    static void openWith(QWidget *owner, const QString &number);

protected:
    void btnControllaClick() override;
};
