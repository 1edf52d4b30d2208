#pragma once

#include <QList>
#include <QString>

#include <vector>

class Record;

// The two import windows: which record fields go into which controls of
// the window that opened them.
enum class ImportSource { Landlords, Tenants };

// One copied value: the target control gets `prefix` followed by the
// record field's text (trimmed, as every stored text).
struct CopyEntry
{
    const char *control;       // "txtLocatore"
    const char *field;         // "Locatore"
    const char *prefix = "";   // UTF-8
};

struct CopiedValue
{
    QString control;
    QString text;
};

namespace ImportCopyMaps {

// The map for a caller tag ("contratti", "ricevuta"); empty for a tag the
// import does not serve.
const std::vector<CopyEntry> &map(ImportSource source, const QString &callerTag);

// What a chosen record writes into the caller, in order. Fields the map
// does not name keep their text.
QList<CopiedValue> copiedValues(ImportSource source, const QString &callerTag, const Record &record);

} // namespace ImportCopyMaps
