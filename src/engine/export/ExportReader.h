#pragma once

#include "engine/export/ExportProgress.h"

#include <QString>

class ExportRows;
struct ExportDefinition;

namespace ExportReader {

// Reads every whole record of the archive at `path`, from the first to the
// last, into `rows`: the definition's fields only, trimmed. The archive is
// opened as every archive action opens it (created empty when missing, held
// locked while it is read). False when it cannot be opened or read; `rows`
// then keeps the records read before the failure.
bool read(const QString &path, const ExportDefinition &definition, ExportRows &rows,
          const ExportProgress &progress = {});

} // namespace ExportReader
