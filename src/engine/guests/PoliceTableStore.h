#pragma once

#include "engine/guests/PoliceCodes.h"
#include "engine/guests/PoliceTable.h"

#include <QList>
#include <QString>

#include <memory>

// Where each code table in use comes from.
enum class PoliceTableSource {
    BuiltIn,        // the copy built into the program
    Loaded,         // a newer copy the user loaded
    DamagedLoaded,  // a loaded copy that no longer reads as a table: the
                    // built-in copy is in use instead
};

struct PoliceTableStatus
{
    PoliceTableKind kind;
    PoliceTableSource source;
    int rows;  // of the table in use
};

// The code tables in use. The program carries the portal's tables; newer
// copies that the user loads are kept in the program folder, in
// Tabelle_Questura/ under the portal's file names, and preferred, each table
// on its own, while they read as tables.
namespace PoliceTableStore {

// "Tabelle_Questura": the folder of the loaded copies in the program folder.
QString folderName();
// The folder of the loaded copies, ending with '/'.
QString folder();

// The tables in use, read once and kept until a table is loaded or the
// built-in ones restored (or the program folder changes). A holder keeps
// its copy for as long as it needs it.
std::shared_ptr<const PoliceCodes> codes();
// Each table's source and row count, in PoliceTable::allKinds() order.
QList<PoliceTableStatus> status();
// One table's.
PoliceTableStatus status(PoliceTableKind kind);
// True when the folder holds a loaded copy of some table, good or not.
bool hasLoadedCopies();

// Reads the file at `path` as a table of `kind` and, when it is one, keeps a
// copy of it (written under a temporary name and renamed) as the table in
// use. An empty text on success; otherwise why not, in Italian for a
// message box (the line of the first fault, or the file that could not be
// read or written), and the tables in use stay as they were.
QString load(PoliceTableKind kind, const QString &path);

// Drops the tables in use, so that the next look-up reads the folder again:
// for when the loaded copies were replaced behind the store's back (a
// restored backup).
void rereadFolder();

// Removes the loaded copies: the built-in tables are in use again. False
// when a copy could not be removed.
bool restoreBuiltIn();

} // namespace PoliceTableStore
