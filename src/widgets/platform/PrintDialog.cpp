#include "widgets/platform/PrintDialog.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class QtPrintDialog : public PrintDialog
{
public:
    bool run(QPrinter *printer) override
    {
        QWidget *owner = QApplication::activeModalWidget();
        if (!owner)
            owner = QApplication::activeWindow();
        QPrintDialog dialog(printer, owner);
        return dialog.exec() == QDialog::Accepted;
    }
};

PrintDialog *installedDialog = nullptr;

} // namespace

PrintDialog &printDialog()
{
    if (installedDialog)
        return *installedDialog;
    static QtPrintDialog qtDialog;
    return qtDialog;
}

void setPrintDialog(PrintDialog *replacement)
{
    installedDialog = replacement;
}
