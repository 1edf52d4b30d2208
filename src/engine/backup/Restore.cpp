#include "engine/backup/Restore.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/RecordLayout.h"
#include "engine/backup/DataFiles.h"
#include "engine/diagnostics/Logging.h"
#include "engine/zip/ZipReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

const QString kNothingChanged = QStringLiteral("\n\r\n\rNessun dato è stato cambiato.");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A folder entry of a folder the program keeps ("Documenti_Allegati/"), as
// some zip programs write them: nothing to restore.
bool isKnownFolderEntry(const QString &name)
{
    return name.endsWith(QLatin1Char('/')) && DataFiles::folders().contains(name.chopped(1));
}

// Writes one entry of the zip into `path`, checking every write and its
// CRC; false, with nothing kept, on any failure.
bool unpack(ZipReader &zip, const QString &name, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        qCWarning(lcBackup) << "cannot create the folder of" << path;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        qCWarning(lcBackup) << "cannot create" << path << ":" << file.errorString();
        return false;
    }
    bool written = true;
    const bool read = zip.read(name, [&](const char *data, qsizetype size) {
        if (written && file.write(data, size) != size)
            written = false;
    });
    if (!read)
        qCWarning(lcBackup) << "cannot read" << name << "from the copy:" << zip.errorString();
    if (!written)
        qCWarning(lcBackup) << "cannot write" << path << ":" << file.errorString();
    const bool flushed = read && written && ::fsync(file.handle()) == 0;
    if (read && written && !flushed)
        qCWarning(lcBackup) << "cannot flush" << path << ":" << Logging::systemError();
    file.close();
    if (!flushed)
        file.remove();
    return flushed;
}

bool moveFile(const QString &from, const QString &to)
{
    if (!QDir().mkpath(QFileInfo(to).absolutePath()) || std::rename(QFile::encodeName(from).constData(),
                                                                     QFile::encodeName(to).constData()) != 0) {
        const QString reason = Logging::systemError();
        qCWarning(lcBackup) << "cannot move" << from << "to" << to << ":" << reason;
        return false;
    }
    return true;
}

QString freeFolderName(const QDir &root, const QString &name)
{
    QString candidate = name;
    for (int number = 2; root.exists(candidate); ++number)
        candidate = name + QStringLiteral(" (%1)").arg(number);
    return candidate;
}

// Removes the folders left empty under `folder`, and the folder itself
// when nothing is left in it.
void removeEmptyFolders(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        removeEmptyFolders(dir.filePath(sub));
    QDir().rmdir(folder);
}

} // namespace

namespace Restore {

Inspection inspect(const QString &zipPath)
{
    Inspection result;
    ZipReader zip(zipPath);
    if (!zip.open()) {
        qCWarning(lcBackup) << "cannot open" << zipPath << ":" << zip.errorString();
        result.problem = QStringLiteral("Attenzione: il file scelto non è una copia di sicurezza leggibile."
                                        "\n\r\n\r") + shown(zipPath) + kNothingChanged;
        return result;
    }
    QSet<QString> seen;
    for (const ZipReader::Entry &entry : zip.entries()) {
        if (isKnownFolderEntry(entry.name))
            continue;
        const DataFiles::Rule *rule = DataFiles::ruleFor(entry.name);
        if (!rule || seen.contains(entry.name)) {
            qCWarning(lcBackup) << zipPath << "holds a name the program does not keep:" << entry.name;
            result.problem = QStringLiteral("Attenzione: la copia contiene un file che Vacanzio non usa:\n\r\n\r")
                             + entry.name + kNothingChanged;
            return result;
        }
        seen.insert(entry.name);
        qint64 size = 0;
        if (!zip.read(entry.name, [&size](const char *, qsizetype bytes) { size += bytes; })) {
            qCWarning(lcBackup) << "damaged entry" << entry.name << "in" << zipPath << ":" << zip.errorString();
            result.problem = QStringLiteral("Attenzione: la copia è danneggiata (") + entry.name
                             + QStringLiteral(").") + kNothingChanged;
            return result;
        }
        Item item{entry.name, entry.modified, -1};
        if (rule->layout) {
            const int recordSize = rule->layout->recordSize();
            if (size % recordSize != 0) {
                qCWarning(lcBackup) << entry.name << "in" << zipPath << "is" << size
                                    << "bytes, not a whole number of records of" << recordSize;
                result.problem = QStringLiteral("Attenzione: nella copia l'archivio ") + entry.name
                                 + QStringLiteral(" non è fatto di schede intere.") + kNothingChanged;
                return result;
            }
            item.records = size / recordSize;
        }
        result.items.append(item);
    }
    if (result.items.isEmpty()) {
        result.problem = QStringLiteral("Attenzione: la copia non contiene alcun file di Vacanzio.") + kNothingChanged;
        return result;
    }
    std::sort(result.items.begin(), result.items.end(),
              [](const Item &a, const Item &b) { return a.name < b.name; });
    return result;
}

QString describe(const QList<Item> &items)
{
    const auto date = [](const QDateTime &when) { return when.toString(QStringLiteral("dd/MM/yyyy hh:mm")); };
    QStringList lines;
    QMap<QString, QList<Item>> folders;
    for (const Item &item : items) {
        const qsizetype slash = item.name.indexOf(QLatin1Char('/'));
        if (slash > 0) {
            folders[item.name.left(slash)].append(item);
        } else if (item.records >= 0) {
            lines.append(item.name + QStringLiteral(": ")
                         + (item.records == 1 ? QStringLiteral("1 scheda") : QStringLiteral("%1 schede").arg(item.records))
                         + QStringLiteral(", ") + date(item.modified));
        } else {
            lines.append(item.name + QStringLiteral(": ") + date(item.modified));
        }
    }
    for (auto folder = folders.cbegin(); folder != folders.cend(); ++folder) {
        QDateTime latest;
        for (const Item &item : folder.value())
            latest = std::max(latest, item.modified);
        lines.append(folder.key() + QStringLiteral(": %1 file, l'ultimo del ").arg(folder.value().size())
                     + date(latest));
    }
    return lines.join(QStringLiteral("\n\r"));
}

QString replacedFolderName(const QDateTime &when)
{
    return QStringLiteral("Sostituiti ") + when.toString(QStringLiteral("yyyy-MM-dd hh-mm"));
}

Outcome apply(const QString &programFolder, const QString &zipPath, const QDateTime &now)
{
    const Inspection inspection = inspect(zipPath);
    if (!inspection.usable())
        return {};
    const QDir root(programFolder);

    // 1. Every file of the copy unpacked beside the program's files, on the
    //    same disk: a disk too full, or a copy damaged since it was
    //    checked, stops the restore before anything is touched.
    QTemporaryDir staging(root.filePath(QStringLiteral(".ripristino-XXXXXX")));
    if (!staging.isValid()) {
        qCWarning(lcBackup) << "cannot create a folder in" << programFolder << ":" << staging.errorString();
        return {};
    }
    ZipReader zip(zipPath);
    if (!zip.open())
        return {};
    QStringList incoming;
    for (const Item &item : inspection.items) {
        if (!unpack(zip, item.name, staging.filePath(item.name)))
            return {};
        incoming.append(item.name);
    }

    // 2. The archives locked, those of the folder and those of the copy,
    //    so that no copy of the program writes a record in between.
    const QStringList current = DataFiles::list(programFolder);
    QStringList archives;
    for (const QString &name : current + incoming) {
        const DataFiles::Rule *rule = DataFiles::ruleFor(name);
        if (rule && rule->layout && !archives.contains(name))
            archives.append(name);
    }
    std::vector<std::unique_ptr<ArchiveFile>> locks;
    QStringList created;  // archives the lock itself created, empty
    for (const QString &name : archives) {
        const DataFiles::Rule *rule = DataFiles::ruleFor(name);
        const QString path = root.filePath(name);
        if (!QFileInfo::exists(path))
            created.append(path);
        locks.push_back(std::make_unique<ArchiveFile>(path, rule->layout->recordSize()));
        if (!locks.back()->open()) {
            for (const QString &emptyArchive : created)
                QFile::remove(emptyArchive);
            return {};
        }
    }

    // 3. The current files moved aside, the copy's moved in; every step
    //    noted, to be undone in reverse on a failure.
    const QString replacedName = freeFolderName(root, replacedFolderName(now));
    const QString replaced = root.filePath(replacedName);
    QStringList movedAside;
    QStringList placed;
    bool ok = root.mkpath(replacedName);
    if (!ok)
        qCWarning(lcBackup) << "cannot create" << replaced << ":" << Logging::systemError();
    for (qsizetype i = 0; ok && i < current.size(); ++i) {
        ok = moveFile(root.filePath(current.at(i)), QDir(replaced).filePath(current.at(i)));
        if (ok)
            movedAside.append(current.at(i));
    }
    for (qsizetype i = 0; ok && i < incoming.size(); ++i) {
        ok = moveFile(staging.filePath(incoming.at(i)), root.filePath(incoming.at(i)));
        if (ok)
            placed.append(incoming.at(i));
    }
    if (!ok) {
        for (auto name = placed.crbegin(); name != placed.crend(); ++name)
            QFile::remove(root.filePath(*name));
        for (auto name = movedAside.crbegin(); name != movedAside.crend(); ++name)
            moveFile(QDir(replaced).filePath(*name), root.filePath(*name));
        for (const QString &emptyArchive : created)
            QFile::remove(emptyArchive);
        removeEmptyFolders(replaced);
        qCWarning(lcBackup) << "restore of" << zipPath << "undone: the previous files are back";
        return {};
    }
    // An archive the copy does not have, created empty by its lock.
    for (const QString &emptyArchive : created) {
        if (!incoming.contains(root.relativeFilePath(emptyArchive)))
            QFile::remove(emptyArchive);
    }
    return {true, replaced};
}

} // namespace Restore
