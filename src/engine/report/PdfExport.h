#pragma once

#include "engine/report/ReportLayout.h"

#include <QString>

namespace Report {

// Writes the prepared sheets to a PDF file with real, searchable text. The
// file is written under a temporary name and takes `filePath` only once it
// is complete, so a failure never leaves a half-written document behind
// (nor spoils a file already there). False when the file cannot be written.
bool writePdf(const PreparedReport &report, const QString &filePath);

} // namespace Report
