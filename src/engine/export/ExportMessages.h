#pragma once

#include <QString>

// The wording of the export windows' questions and failure message, the
// same for every archive and for both file formats.
namespace ExportMessages {

// Asked before writing: No ends the export.
QString confirmExport();
// Asked once the file is written: Yes opens it.
QString openWrittenFile();
// A plain box, when the file cannot be created or written.
QString exportFailed();

} // namespace ExportMessages
