#include "widgets/print/ReportOutput.h"

#include "engine/diagnostics/Logging.h"
#include "engine/platform/Platform.h"
#include "engine/report/PdfExport.h"
#include "engine/report/ReportRenderer.h"
#include "widgets/platform/PrintDialog.h"

#include <QPrinter>

namespace ReportOutput {

void print(const Report::PreparedReport &report, const QString &failure)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.pageLayout());
    if (!printDialog().run(&printer))
        return;
    if (!Report::render(report, printer))
        platform().showMessage(MessageKind::Warning, failure);
}

void savePdf(const Report::PreparedReport &report, const QString &pdfName)
{
    const QString path = platform().chooseFileToSave(QStringLiteral("Salva in formato PDF"),
                                                     QStringLiteral("Documento PDF (*.pdf)"),
                                                     platform().programFolder() + pdfName);
    if (path.isEmpty())
        return;
    if (!Report::writePdf(report, path))
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Non è stato possibile salvare il documento in formato PDF.\n\n"
                                              "Verificare di avere i permessi di scrittura nella cartella scelta."));
}

} // namespace ReportOutput
