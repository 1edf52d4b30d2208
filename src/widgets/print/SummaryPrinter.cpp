#include "widgets/print/SummaryPrinter.h"

#include "engine/platform/Platform.h"
#include "engine/print/DocumentFileName.h"
#include "engine/print/SummaryReport.h"
#include "widgets/print/ReportOutput.h"
#include "widgets/print/TfrmAnteprimaStampa.h"

#include <optional>

namespace {

// What the toolkit would otherwise report on its own when a printer fails.
const QString kPrintFailure = QStringLiteral(
    "Attenzione: la stampa del riepilogo non è andata a buon fine.\n\r\n\r"
    "Si consiglia di controllare le impostazioni della stampante.");

std::optional<Report::PreparedReport> prepared(const QString &title, const QStringList &lines)
{
    Report::PageTemplate page = SummaryReport::pageTemplate();
    if (!SummaryReport::fill(page, title, lines).succeeded())
        return std::nullopt;
    return Report::prepare(page, platform().today());
}

} // namespace

namespace SummaryPrinter {

void print(QWidget *, const QString &title, const QStringList &lines)
{
    const std::optional<Report::PreparedReport> report = prepared(title, lines);
    if (!report) {
        platform().showMessage(MessageKind::Warning, kPrintFailure);
        return;
    }
    ReportOutput::print(*report, kPrintFailure);
}

void preview(QWidget *listWindow, const QString &title, const QStringList &lines)
{
    const std::optional<Report::PreparedReport> report = prepared(title, lines);
    if (!report) {
        platform().showMessage(MessageKind::Warning, kPrintFailure);
        return;
    }
    TfrmAnteprimaStampa window(*report, {kPrintFailure, DocumentFileName::pdfName(QStringLiteral("Riepilogo"), title)},
                               listWindow);
    window.exec();
}

} // namespace SummaryPrinter
