#pragma once

#include "engine/backup/DataFiles.h"

#include <QDateTime>
#include <QString>

// The copies the program takes by itself: at the end of a run in which some
// of its files changed, a backup into "Copie" in the program folder, of
// which the last ten are kept.
namespace AutomaticCopies {

constexpr int kKept = 10;

// "Copie".
QString folderName();

enum class Outcome {
    Unchanged,  // nothing to copy
    Written,
    Failed,     // the detail is in the log
};

// Takes a copy when the program's files differ from `atStart` (their names,
// sizes and times), then keeps the last kKept copies.
Outcome takeIfChanged(const QString &programFolder, const DataFiles::Snapshot &atStart, const QDateTime &now);

// Removes the oldest copies in `copiesFolder` beyond the last `kept`
// (copies are named after their time, so their names sort by age); files
// of other names are left alone.
void keepLatest(const QString &copiesFolder, int kept);

} // namespace AutomaticCopies
