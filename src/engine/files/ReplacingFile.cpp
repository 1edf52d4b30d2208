#include "engine/files/ReplacingFile.h"

#include "engine/diagnostics/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

constexpr int kSuffixLength = 6;
constexpr int kNameAttempts = 100;

QString suffixCharacters()
{
    return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
}

// "<target>.XXXXXX" with six random letters and digits.
QString temporaryName(const QString &target)
{
    const QString characters = suffixCharacters();
    QString name = target + QLatin1Char('.');
    for (int i = 0; i < kSuffixLength; ++i)
        name += characters.at(QRandomGenerator::global()->bounded(characters.size()));
    return name;
}

bool isTemporaryNameOf(const QString &fileName, const QString &targetName)
{
    if (fileName.size() != targetName.size() + 1 + kSuffixLength || !fileName.startsWith(targetName + QLatin1Char('.')))
        return false;
    const QString characters = suffixCharacters();
    for (qsizetype i = targetName.size() + 1; i < fileName.size(); ++i) {
        if (!characters.contains(fileName.at(i)))
            return false;
    }
    return true;
}

// A temporary file is private to its owner; the new file is the user's
// ordinary file, as the one it replaces was.
mode_t permissionsFor(const QString &target)
{
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        return old.st_mode & 07777;
    return 0644;
}

} // namespace

ReplacingFile::ReplacingFile(QString target)
    : m_target(std::move(target))
{
}

ReplacingFile::~ReplacingFile()
{
    if (!m_named.isEmpty() && !m_committed)
        QFile::remove(m_named);
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ReplacingFile::create()
{
    if (m_fd >= 0)
        return false;
    removeLeftovers(m_target);
    const QByteArray folder = QFile::encodeName(QFileInfo(m_target).absolutePath());
    if (!createUnnamed(folder) && !createNamed()) {
        const QString reason = Logging::systemError();
        qCWarning(lcFiles) << "cannot create a file beside" << m_target << ":" << reason;
        return false;
    }
    // Held until the file is closed: a file of this name that nobody holds
    // is a leftover.
    ::flock(m_fd, LOCK_EX);
    ::fchmod(m_fd, permissionsFor(m_target));
    return true;
}

bool ReplacingFile::createUnnamed(const QByteArray &folder)
{
#ifdef O_TMPFILE
    m_fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return false;
    m_openPath = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
    // A system without /proc cannot reopen the file by a name, nor give it
    // one: such a file is of no use.
    if (!QFileInfo::exists(m_openPath)) {
        ::close(m_fd);
        m_fd = -1;
        m_openPath.clear();
        return false;
    }
    return true;
#else
    Q_UNUSED(folder);
    return false;
#endif
}

bool ReplacingFile::createNamed()
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString name = temporaryName(m_target);
        m_fd = ::open(QFile::encodeName(name).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
        if (m_fd >= 0) {
            m_named = name;
            m_openPath = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool ReplacingFile::commit()
{
    if (m_fd < 0 || m_committed)
        return false;
    if (::fsync(m_fd) != 0) {
        const QString reason = Logging::systemError();
        qCWarning(lcFiles) << "cannot flush the new" << m_target << ":" << reason;
        return false;
    }
    if (m_named.isEmpty()) {
        // An unnamed file cannot be linked over an existing one: it is given
        // a temporary name first, then renamed like a named one.
        const QByteArray source = QFile::encodeName(m_openPath);
        for (int attempt = 0; attempt < kNameAttempts && m_named.isEmpty(); ++attempt) {
            const QString name = temporaryName(m_target);
            if (::linkat(AT_FDCWD, source.constData(), AT_FDCWD, QFile::encodeName(name).constData(),
                         AT_SYMLINK_FOLLOW) == 0)
                m_named = name;
            else if (errno != EEXIST)
                break;
        }
        if (m_named.isEmpty()) {
            const QString reason = Logging::systemError();
            qCWarning(lcFiles) << "cannot name the new" << m_target << ":" << reason;
            return false;
        }
    }
    // rename() replaces the target in one step: a reader sees either the
    // old file or the new one, never a mixture or no file.
    m_committed = std::rename(QFile::encodeName(m_named).constData(), QFile::encodeName(m_target).constData()) == 0;
    if (!m_committed) {
        const QString reason = Logging::systemError();
        qCWarning(lcFiles) << "cannot put the new file in place of" << m_target << ":" << reason;
        return false;
    }
    m_named.clear();
    return true;
}

void ReplacingFile::removeLeftovers(const QString &target)
{
    const QFileInfo info(target);
    const QString targetName = info.fileName();
    const QDir folder = info.absoluteDir();
    const QStringList candidates =
        folder.entryList({targetName + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : candidates) {
        if (!isTemporaryNameOf(name, targetName))
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        // A writer that is alive holds its file locked.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
}
