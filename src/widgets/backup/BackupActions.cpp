#include "widgets/backup/BackupActions.h"

#include "engine/backup/Backup.h"
#include "engine/backup/Restore.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/platform/Platform.h"

#include <QDir>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The folder of the last backup of this run, where the next one starts.
QString &lastFolder()
{
    static QString folder;
    return folder;
}

} // namespace

namespace BackupActions {

void takeBackup()
{
    const QString folder = platform().chooseFolder(QStringLiteral("Copia di sicurezza"), lastFolder());
    if (folder.isEmpty())
        return;
    lastFolder() = folder;
    const QString target = QDir(folder).filePath(Backup::fileName(platform().now()));
    if (!Backup::write(platform().programFolder(), target)) {
        platform().showMessage(MessageKind::Error,
                               QStringLiteral("Attenzione: non è stato possibile salvare la copia di sicurezza in"
                                              "\n\r\n\r")
                                   + shown(folder)
                                   + QStringLiteral("\n\r\n\rControllare che nella cartella si possa scrivere "
                                                    "e che ci sia spazio sufficiente."));
        return;
    }
    platform().showMessage(MessageKind::Information,
                           QStringLiteral("Copia di sicurezza salvata in\n\r\n\r") + shown(target));
}

void restoreBackup()
{
    const QString zip = platform().chooseFileToOpen(QStringLiteral("Ripristina copia"),
                                                    QStringLiteral("Copia di sicurezza (*.zip)|*.zip"),
                                                    QStringLiteral("zip"));
    if (zip.isEmpty())
        return;
    const Restore::Inspection inspection = Restore::inspect(zip);
    if (!inspection.usable()) {
        platform().showMessage(MessageKind::Error, inspection.problem);
        return;
    }
    const QString question =
        QStringLiteral("La copia contiene:\n\r\n\r") + Restore::describe(inspection.items)
        + QStringLiteral("\n\r\n\rSostituire i dati attuali con quelli della copia? I file attuali saranno "
                         "conservati nella cartella \"")
        + Restore::replacedFolderName(platform().now()) + QStringLiteral("\".");
    if (!platform().askYesNo(question, DefaultAnswer::No))
        return;
    const Restore::Outcome outcome = Restore::apply(platform().programFolder(), zip, platform().now());
    if (!outcome.restored) {
        platform().showMessage(MessageKind::Error,
                               QStringLiteral("Attenzione: il ripristino non è riuscito; i dati sono rimasti "
                                              "quelli di prima."));
        return;
    }
    // The police tables loaded by the user may be other ones now.
    PoliceTableStore::rereadFolder();
    platform().showMessage(MessageKind::Information,
                           QStringLiteral("Ripristino completato. I file sostituiti sono conservati nella "
                                          "cartella\n\r\n\r")
                               + shown(outcome.replacedFolder));
}

} // namespace BackupActions
