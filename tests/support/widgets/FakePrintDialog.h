#pragma once

#include "widgets/platform/PrintDialog.h"

#include <QString>

class QPrinter;

// A print dialog for tests: answers as told, notes how often it was shown
// and can send the printout to a PDF file instead of a printer. Installs
// itself on construction, restores Qt's dialog when destroyed.
class FakePrintDialog : public PrintDialog
{
public:
    FakePrintDialog() { setPrintDialog(this); }
    ~FakePrintDialog() override { setPrintDialog(nullptr); }

    bool run(QPrinter *printer) override;

    bool answer = false;
    int shown = 0;
    // When not empty, a confirmed dialog prints to this PDF file.
    QString pdfPath;
};
