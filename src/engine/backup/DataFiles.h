#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class RecordLayout;

// The one list of the files the program keeps in its folder: what a backup
// takes, what a restore accepts and puts back, what the automatic copies
// watch. A new file of the program is added here and nowhere else.
//
// Each entry is a name or a pattern ('*' and '?' never cross a '/'),
// relative to the program folder; a folder's files are written
// "Folder/*". Archives carry their record layout, so that they are read
// under their lock and whole records only, and checked on the way back.
namespace DataFiles {

struct Rule
{
    QString pattern;
    const RecordLayout *layout = nullptr;  // archives only
};

const QList<Rule> &rules();

// The folders, below the program folder, that some rule reaches into
// ("Documenti_Allegati").
const QStringList &folders();

// The rule that covers `relativePath` ("Archivio_Locatori.pro",
// "Documenti_Allegati/contratto.pdf"), or nullptr for a name the program
// does not keep or that could lead anywhere else ("..", an absolute path,
// an empty part, a backslash).
const Rule *ruleFor(const QString &relativePath);

// The program's files that `folder` holds, as relative paths, sorted.
QStringList list(const QString &folder);

// The size and modification time of each of the program's files: two
// equal snapshots mean nothing was written in between.
struct Stamp
{
    qint64 size = 0;
    qint64 modifiedMs = 0;
    bool operator==(const Stamp &) const = default;
};
using Snapshot = QMap<QString, Stamp>;
Snapshot snapshot(const QString &folder);

} // namespace DataFiles
