#include "engine/backup/Backup.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/RecordLayout.h"
#include "engine/backup/DataFiles.h"
#include "engine/diagnostics/Logging.h"
#include "engine/zip/ZipWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

const QString kNamePrefix = QStringLiteral("Vacanzio ");
const QString kNameDate = QStringLiteral("yyyy-MM-dd");
const QString kNameTime = QStringLiteral("hh-mm");
const QString kNameSuffix = QStringLiteral(".zip");

// Whole records only, under the archive's lock: a record being appended by
// another copy of the program is either all in or not at all.
std::optional<QByteArray> readArchive(const QString &path, int recordSize)
{
    ArchiveFile archive(path, recordSize);
    if (!archive.open())
        return std::nullopt;
    const qint64 records = archive.count();
    if (records < 0)
        return std::nullopt;
    QByteArray content;
    content.reserve(records * recordSize);
    const bool read = archive.scan([&content](qint64, const QByteArray &record) {
        content.append(record);
        return true;
    });
    if (!read)
        return std::nullopt;
    return content;
}

std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcBackup) << "cannot read" << path << ":" << file.errorString();
        return std::nullopt;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcBackup) << "cannot read" << path << ":" << file.errorString();
        return std::nullopt;
    }
    return content;
}

} // namespace

namespace Backup {

QString fileName(const QDateTime &when)
{
    return kNamePrefix + when.date().toString(kNameDate) + QLatin1Char(' ') + when.time().toString(kNameTime)
           + kNameSuffix;
}

bool isFileName(const QString &name)
{
    if (!name.startsWith(kNamePrefix) || !name.endsWith(kNameSuffix))
        return false;
    const QStringList when =
        name.sliced(kNamePrefix.size(), name.size() - kNamePrefix.size() - kNameSuffix.size()).split(QLatin1Char(' '));
    if (when.size() != 2)
        return false;
    // Read and written again, so that only what fileName() writes counts
    // ("2026-1-9" is no backup's). The date and the time apart, as no
    // clock's change of hour makes a local time of them.
    const QDate date = QDate::fromString(when.at(0), kNameDate);
    const QTime time = QTime::fromString(when.at(1), kNameTime);
    return date.isValid() && time.isValid() && date.toString(kNameDate) == when.at(0)
           && time.toString(kNameTime) == when.at(1);
}

bool write(const QString &programFolder, const QString &target)
{
    const QDir root(programFolder);
    const QStringList files = DataFiles::list(programFolder);
    if (files.isEmpty()) {
        qCWarning(lcBackup) << "nothing to back up in" << programFolder;
        return false;
    }
    ZipWriter zip(target);
    for (const QString &name : files) {
        const QString path = root.filePath(name);
        const DataFiles::Rule *rule = DataFiles::ruleFor(name);
        const QDateTime modified = QFileInfo(path).lastModified();
        if (rule && rule->layout) {
            const int recordSize = rule->layout->recordSize();
            zip.add(name, modified, [path, recordSize] { return readArchive(path, recordSize); });
        } else {
            zip.add(name, modified, [path] { return readFile(path); });
        }
    }
    return zip.write();
}

} // namespace Backup
