#pragma once

#include <QDateTime>
#include <QString>

// A backup: one zip of every file the program keeps (DataFiles), each under
// its own name. Archives are read under their lock and whole records only,
// so a copy of the program saving meanwhile never puts half a record in;
// the zip is written under a temporary name, read back and checked, and
// only then named (ZipWriter).
namespace Backup {

// "Vacanzio 2026-12-09 10-30.zip": a backup's name, from its time.
QString fileName(const QDateTime &when);
// Whether `name` is one fileName() gives.
bool isFileName(const QString &name);

// Writes the backup of `programFolder` as `target`. False when it could not
// be written whole (the detail goes to the log); nothing is then left
// under the target's name, and a file of that name stays as it was.
bool write(const QString &programFolder, const QString &target);

} // namespace Backup
