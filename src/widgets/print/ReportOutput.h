#pragma once

#include "engine/report/ReportLayout.h"

#include <QString>

// What can be done with a prepared document besides previewing it, the
// same from the preview window and from the windows that print directly.
namespace ReportOutput {

// The print dialog, then the printer; `failure` is shown when printing
// fails. Nothing happens when the user cancels the dialog.
void print(const Report::PreparedReport &report, const QString &failure);

// Asks where to save the PDF, proposing `pdfName` in the program folder,
// and writes it; a message when it cannot be written. Nothing happens when
// the user cancels.
void savePdf(const Report::PreparedReport &report, const QString &pdfName);

} // namespace ReportOutput
