#pragma once

#include "engine/print/FieldLookup.h"
#include "engine/report/ReportTemplate.h"
#include "engine/report/TemplateFiller.h"

#include <QImage>

// The printed receipt, "Ricevuta Generica": two copies on one A4 sheet, the
// payer's above the cut line and the payee's below it, filled from the
// receipt window.
namespace ReceiptDocument {

Report::PageTemplate pageTemplate();

// Fills both copies the same way (the lower copy's objects end in "_B"):
// the logo, "Ricevuta n. " + number, "Data:  " + date, payee, payer and
// reason lines, words + "/" + cents, euros and cents in figures. A null
// logo leaves both logo boxes empty.
Report::FillResult fill(Report::PageTemplate &pageTemplate, const FieldLookup &field,
                        const QImage &logo);

} // namespace ReceiptDocument
