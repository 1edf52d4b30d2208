#include "engine/export/ReplacingFile.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include <utility>

ReplacingFile::ReplacingFile(QString target)
    : m_target(std::move(target))
{
}

ReplacingFile::~ReplacingFile()
{
    if (!m_temporary.isEmpty() && !m_committed)
        QFile::remove(m_temporary);
}

bool ReplacingFile::create()
{
    QTemporaryFile temporary(m_target + QStringLiteral(".XXXXXX"));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return false;
    m_temporary = temporary.fileName();
    // A temporary file is private to its owner; the export is the user's
    // ordinary file, as the one it replaces was.
    const QFile::Permissions permissions = QFile::exists(m_target)
        ? QFile::permissions(m_target)
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    temporary.setPermissions(permissions);
    temporary.close();
    return true;
}

bool ReplacingFile::commit()
{
    if (m_temporary.isEmpty() || m_committed)
        return false;
    const QByteArray temporary = QFile::encodeName(m_temporary);
    const int fd = ::open(temporary.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    // rename() replaces the target in one step: a reader sees either the
    // old file or the new one, never a mixture or no file.
    m_committed = synced && std::rename(temporary.constData(), QFile::encodeName(m_target).constData()) == 0;
    return m_committed;
}
