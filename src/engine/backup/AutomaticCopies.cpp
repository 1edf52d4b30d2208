#include "engine/backup/AutomaticCopies.h"

#include "engine/backup/Backup.h"
#include "engine/diagnostics/Logging.h"

#include <QDir>
#include <QFile>

namespace AutomaticCopies {

QString folderName()
{
    return QStringLiteral("Copie");
}

Outcome takeIfChanged(const QString &programFolder, const DataFiles::Snapshot &atStart, const QDateTime &now)
{
    if (DataFiles::snapshot(programFolder) == atStart)
        return Outcome::Unchanged;
    const QDir root(programFolder);
    if (!root.mkpath(folderName())) {
        qCWarning(lcBackup) << "cannot create" << root.filePath(folderName()) << ":" << Logging::systemError();
        return Outcome::Failed;
    }
    const QString copies = root.filePath(folderName());
    if (!Backup::write(programFolder, QDir(copies).filePath(Backup::fileName(now))))
        return Outcome::Failed;
    keepLatest(copies, kKept);
    return Outcome::Written;
}

void keepLatest(const QString &copiesFolder, int kept)
{
    const QDir folder(copiesFolder);
    QStringList copies;
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        if (Backup::isFileName(name))
            copies.append(name);
    }
    while (copies.size() > kept) {
        const QString oldest = copies.takeFirst();
        if (!QFile::remove(folder.filePath(oldest)))
            qCWarning(lcBackup) << "cannot remove the old copy" << folder.filePath(oldest);
    }
}

} // namespace AutomaticCopies
