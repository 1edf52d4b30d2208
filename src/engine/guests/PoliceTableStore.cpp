#include "engine/guests/PoliceTableStore.h"

#include "engine/diagnostics/Logging.h"
#include "engine/files/WholeFile.h"
#include "engine/platform/Platform.h"

#include <QDir>
#include <QFile>

#include <array>

namespace {

constexpr int kTableCount = 4;
// The largest table, the comuni, is under 400 KB: a file far larger is
// something else chosen by mistake, not worth reading into memory.
constexpr qint64 kMaxTableBytes = 20 * 1024 * 1024;

using Tables = std::array<PoliceTableParse, kTableCount>;

std::size_t slot(PoliceTableKind kind)
{
    return static_cast<std::size_t>(kind);
}

const Tables &builtInTables()
{
    static const Tables tables = [] {
        Tables parsed;
        for (PoliceTableKind kind : PoliceTable::allKinds()) {
            parsed[slot(kind)] = PoliceTable::parse(kind, PoliceTable::builtInBytes(kind));
            Q_ASSERT_X(parsed[slot(kind)].ok(), "PoliceTableStore", "a built-in table does not read");
        }
        return parsed;
    }();
    return tables;
}

enum class FileRead { Done, Unreadable, TooLarge };

// The whole of a table file into `bytes`, unless it is too large to be a
// table. Why a file could not be read is logged.
FileRead readTableFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcGuests) << "cannot read" << path << ":" << file.errorString();
        return FileRead::Unreadable;
    }
    if (file.size() > kMaxTableBytes)
        return FileRead::TooLarge;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcGuests) << "cannot read" << path << ":" << file.errorString();
        return FileRead::Unreadable;
    }
    return FileRead::Done;
}

QString loadedPath(const QString &folder, PoliceTableKind kind)
{
    return folder + PoliceTable::fileName(kind);
}

struct InUse
{
    QString programFolder;
    std::shared_ptr<const PoliceCodes> codes;
    QList<PoliceTableStatus> status;
};

InUse &cache()
{
    static InUse inUse;
    return inUse;
}

void forget()
{
    cache() = InUse{};
}

InUse read(const QString &programFolder)
{
    const QString folder = PoliceTableStore::folder();
    InUse inUse;
    inUse.programFolder = programFolder;
    Tables tables;
    for (PoliceTableKind kind : PoliceTable::allKinds()) {
        PoliceTableSource source = PoliceTableSource::BuiltIn;
        const QString path = loadedPath(folder, kind);
        if (QFile::exists(path)) {
            source = PoliceTableSource::DamagedLoaded;
            QByteArray bytes;
            const FileRead outcome = readTableFile(path, bytes);
            if (outcome == FileRead::TooLarge) {
                qCWarning(lcGuests) << "the loaded table" << path << "is too large to be one";
            } else if (outcome == FileRead::Done) {
                tables[slot(kind)] = PoliceTable::parse(kind, bytes);
                if (tables[slot(kind)].ok())
                    source = PoliceTableSource::Loaded;
                else
                    qCWarning(lcGuests) << "the loaded table" << path
                                        << "does not read, the built-in one is in use:" << tables[slot(kind)].error;
            }
        }
        if (source != PoliceTableSource::Loaded)
            tables[slot(kind)] = builtInTables()[slot(kind)];
        inUse.status.append({kind, source, int(tables[slot(kind)].rows.size())});
    }
    inUse.codes = std::make_shared<const PoliceCodes>(
        tables[slot(PoliceTableKind::Comuni)].rows, tables[slot(PoliceTableKind::States)].rows,
        tables[slot(PoliceTableKind::DocumentTypes)].rows, tables[slot(PoliceTableKind::GuestTypes)].rows);
    return inUse;
}

const InUse &current()
{
    const QString programFolder = platform().programFolder();
    InUse &inUse = cache();
    if (!inUse.codes || inUse.programFolder != programFolder)
        inUse = read(programFolder);
    return inUse;
}

} // namespace

namespace PoliceTableStore {

void rereadFolder()
{
    forget();
}

QString folderName()
{
    return QStringLiteral("Tabelle_Questura");
}

QString folder()
{
    return platform().programFolder() + folderName() + QLatin1Char('/');
}

std::shared_ptr<const PoliceCodes> codes()
{
    return current().codes;
}

QList<PoliceTableStatus> status()
{
    return current().status;
}

PoliceTableStatus status(PoliceTableKind kind)
{
    return current().status.at(qsizetype(slot(kind)));
}

bool hasLoadedCopies()
{
    const QString copies = folder();
    for (PoliceTableKind kind : PoliceTable::allKinds()) {
        if (QFile::exists(loadedPath(copies, kind)))
            return true;
    }
    return false;
}

QString load(PoliceTableKind kind, const QString &path)
{
    QByteArray bytes;
    switch (readTableFile(path, bytes)) {
    case FileRead::Unreadable:
        return QStringLiteral("Il file non si può leggere.");
    case FileRead::TooLarge:
        return QStringLiteral("Il file è troppo grande per essere una tabella della Questura.");
    case FileRead::Done:
        break;
    }
    const PoliceTableParse parsed = PoliceTable::parse(kind, bytes);
    if (!parsed.ok())
        return parsed.error;

    const QString copies = folder();
    const QString target = loadedPath(copies, kind);
    if (!QDir().mkpath(copies)) {
        qCWarning(lcGuests) << "cannot create the folder" << copies;
        return QStringLiteral("La cartella %1 non si può creare.").arg(QDir::toNativeSeparators(copies));
    }
    // The file as it came: the next start reads it as this one did.
    if (!WholeFile::write(target, bytes)) {
        qCWarning(lcGuests) << "cannot write the table" << target;
        return QStringLiteral("La tabella non si può salvare in %1.").arg(QDir::toNativeSeparators(target));
    }
    forget();
    return {};
}

bool restoreBuiltIn()
{
    const QString copies = folder();
    bool removed = true;
    for (PoliceTableKind kind : PoliceTable::allKinds()) {
        QFile copy(loadedPath(copies, kind));
        if (copy.exists() && !copy.remove()) {
            qCWarning(lcGuests) << "cannot remove the loaded table" << copy.fileName() << ":" << copy.errorString();
            removed = false;
        }
    }
    // The folder goes when it is left empty; anything else the user put
    // there stays with it.
    if (removed)
        QDir().rmdir(copies);
    forget();
    return removed;
}

} // namespace PoliceTableStore
