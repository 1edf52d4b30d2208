#include "FakePrintDialog.h"

#include <QPrinter>

bool FakePrintDialog::run(QPrinter *printer)
{
    ++shown;
    if (answer && !pdfPath.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
    }
    return answer;
}
