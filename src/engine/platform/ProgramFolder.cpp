#include "engine/platform/ProgramFolder.h"

#include "engine/diagnostics/Logging.h"
#include "engine/password/PasswordStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

QString withSlash(const QString &folder)
{
    QString result = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

QString shown(const QString &folder)
{
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

QString cannotCreateMessage(const QString &folder)
{
    return QStringLiteral("Attenzione: non è possibile creare la cartella dei dati\n\r\n\r") + shown(folder);
}

QString cannotWriteMessage(const QString &folder)
{
    return QStringLiteral("Attenzione: non è possibile scrivere nella cartella dei dati\n\r\n\r") + shown(folder);
}

} // namespace

namespace ProgramFolder {

QString dataFolderName()
{
    return QStringLiteral("Vacanzio");
}

bool isSystemFolder(const QString &folder)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    const QString name = QFileInfo(clean).fileName();
    if (name == QLatin1String("bin") || name == QLatin1String("sbin"))
        return true;
    static const QStringList systemTrees = {
        QStringLiteral("/usr"), QStringLiteral("/opt"),  QStringLiteral("/bin"),  QStringLiteral("/sbin"),
        QStringLiteral("/lib"), QStringLiteral("/lib64"), QStringLiteral("/etc"), QStringLiteral("/var"),
        QStringLiteral("/snap"), QStringLiteral("/boot"),
    };
    for (const QString &tree : systemTrees) {
        if (clean == tree || clean.startsWith(tree + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool isWritableFolder(const QString &folder)
{
    QTemporaryFile probe(withSlash(folder) + QStringLiteral(".vacanzio-XXXXXX"));
    return probe.open();
}

Choice choose(const Places &places)
{
    if (!places.given.isEmpty())
        return {Source::Given, withSlash(QDir(places.given).absolutePath())};
    const QString own = withSlash(places.executableFolder);
    if (QFileInfo(own + PasswordStore::fileName()).isFile()
        || (!isSystemFolder(own) && isWritableFolder(own)))
        return {Source::Portable, own};
    return {Source::Installed, withSlash(places.documentsFolder) + dataFolderName() + QLatin1Char('/')};
}

QString prepare(const Choice &choice)
{
    // The executable's own folder is taken as it is, as it always was.
    if (choice.source == Source::Portable)
        return QString();
    if (!QDir().mkpath(choice.folder)) {
        const QString reason = Logging::systemError();
        qCWarning(lcFiles) << "cannot create the data folder" << choice.folder << ":" << reason;
        return cannotCreateMessage(choice.folder);
    }
    if (!isWritableFolder(choice.folder)) {
        const QString reason = Logging::systemError();
        qCWarning(lcFiles) << "cannot write in the data folder" << choice.folder << ":" << reason;
        return cannotWriteMessage(choice.folder);
    }
    // Without a password file nobody could sign in.
    if (!PasswordStore(choice.folder).createIfMissing(PasswordStore::initialPassword())) {
        qCWarning(lcFiles) << "cannot write the initial password file in" << choice.folder;
        return cannotWriteMessage(choice.folder);
    }
    return QString();
}

QString documentationFolder(const QString &executableFolder)
{
    const QDir bin(QDir::cleanPath(QDir::fromNativeSeparators(executableFolder)));
    if (bin.dirName() != QLatin1String("bin"))
        return QString();
    return withSlash(QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/doc/vacanzio"))));
}

} // namespace ProgramFolder
