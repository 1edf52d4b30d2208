#include "engine/archive/ArchiveFile.h"

#include "engine/diagnostics/Logging.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

int lockTimeout = 5000;

bool writeFully(int fd, const char *data, qint64 length, off_t offset)
{
    while (length > 0) {
        const ssize_t written = ::pwrite(fd, data, static_cast<size_t>(length), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0)
            return false;
        data += written;
        length -= written;
        offset += written;
    }
    return true;
}

bool readFully(int fd, char *data, qint64 length, off_t offset)
{
    while (length > 0) {
        const ssize_t got = ::pread(fd, data, static_cast<size_t>(length), offset);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return false;
        data += got;
        length -= got;
        offset += got;
    }
    return true;
}

} // namespace

ArchiveFile::ArchiveFile(QString path, int recordSize)
    : m_path(std::move(path))
    , m_recordSize(recordSize)
{
}

ArchiveFile::~ArchiveFile()
{
    close();
}

void ArchiveFile::setLockTimeoutMs(int milliseconds)
{
    lockTimeout = milliseconds;
}

bool ArchiveFile::open()
{
    close();
    const QByteArray nativePath = QFile::encodeName(m_path);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int fd = openLocked(nativePath, waited);
        if (fd < 0)
            return false;
        // A restore puts another file in the archive's place while holding
        // the old one's lock: a lock won on a file that is no longer the
        // archive is worth nothing, so the archive is opened again.
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(nativePath.constData(), &named) == 0
            && held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            m_fd = fd;
            return true;
        }
        ::flock(fd, LOCK_UN);
        ::close(fd);
        if (waited.elapsed() >= lockTimeout) {
            qCWarning(lcArchive) << "replaced again and again while waiting for its lock:" << m_path;
            return false;
        }
    }
}

int ArchiveFile::openLocked(const QByteArray &nativePath, const QElapsedTimer &waited) const
{
    const int fd = ::open(nativePath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        const QString reason = Logging::systemError();
        qCWarning(lcArchive) << "cannot open" << m_path << ":" << reason;
        return -1;
    }

    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // Some network file systems cannot lock at all: the archive is still
        // usable there, as it was before locking existed.
        if (errno == ENOLCK || errno == EINVAL || errno == EOPNOTSUPP)
            break;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited.elapsed() >= lockTimeout) {
            const bool stillLocked = errno == EWOULDBLOCK || errno == EINTR;
            const QString reason = Logging::systemError();
            if (stillLocked)
                qCWarning(lcArchive) << "still locked by another program after" << lockTimeout << "ms:" << m_path;
            else
                qCWarning(lcArchive) << "cannot lock" << m_path << ":" << reason;
            ::close(fd);
            return -1;
        }
        QThread::msleep(5);
    }
    return fd;
}

qint64 ArchiveFile::count() const
{
    if (m_fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        return -1;
    return static_cast<qint64>(info.st_size) / m_recordSize;
}

bool ArchiveFile::read(qint64 k, QByteArray *record) const
{
    const qint64 records = count();
    if (records < 0 || k < 1 || k > records)
        return false;
    QByteArray bytes(m_recordSize, Qt::Uninitialized);
    if (!readFully(m_fd, bytes.data(), m_recordSize, static_cast<off_t>((k - 1) * m_recordSize))) {
        const QString reason = Logging::systemError();
        qCWarning(lcArchive) << "cannot read record" << k << "of" << m_path << ":" << reason;
        return false;
    }
    *record = bytes;
    return true;
}

bool ArchiveFile::write(qint64 k, const QByteArray &record)
{
    const qint64 records = count();
    if (records < 0 || k < 1 || k > records + 1 || record.size() != m_recordSize)
        return false;
    const off_t offset = static_cast<off_t>((k - 1) * m_recordSize);
    const bool appending = k == records + 1;
    if (writeFully(m_fd, record.constData(), m_recordSize, offset) && ::fsync(m_fd) == 0)
        return true;
    const QString reason = Logging::systemError();
    qCWarning(lcArchive) << "cannot write record" << k << "of" << m_path << ":" << reason;
    if (appending) {
        // Drop whatever part of the new record reached the file (a disk
        // full halfway): the archive keeps exactly the records it had.
        if (::ftruncate(m_fd, offset) == 0)
            ::fsync(m_fd);
    }
    return false;
}

bool ArchiveFile::scan(const std::function<bool(qint64, const QByteArray &)> &visitor) const
{
    QByteArray record;
    return scanBytes([&](qint64 k, const char *bytes) {
        // Reuses the array unless the visitor kept a copy of the last one.
        record.resize(m_recordSize);
        std::memcpy(record.data(), bytes, static_cast<size_t>(m_recordSize));
        return visitor(k, record);
    }) != ScanOutcome::Failed;
}

ArchiveFile::ScanOutcome ArchiveFile::scanBytes(const std::function<bool(qint64, const char *)> &visitor,
                                                const ScanProgress &progress, qint64 blockBytes) const
{
    const qint64 records = count();
    if (records < 0)
        return ScanOutcome::Failed;
    ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    const qint64 blockRecords = std::max<qint64>(1, blockBytes / m_recordSize);
    std::vector<char> block(static_cast<size_t>(std::min(blockRecords, records) * m_recordSize));
    for (qint64 first = 0; first < records;) {
        const qint64 inBlock = std::min(blockRecords, records - first);
        if (!readFully(m_fd, block.data(), inBlock * m_recordSize, static_cast<off_t>(first * m_recordSize))) {
            const QString reason = Logging::systemError();
            qCWarning(lcArchive) << "cannot read records" << first + 1 << "to" << first + inBlock << "of" << m_path
                                 << ":" << reason;
            return ScanOutcome::Failed;
        }
        for (qint64 i = 0; i < inBlock; ++i) {
            if (!visitor(first + i + 1, block.data() + i * m_recordSize))
                return ScanOutcome::Stopped;
        }
        first += inBlock;
        // A cancel after the last block comes too late to save anything.
        if (progress && !progress(first, records))
            return first == records ? ScanOutcome::Completed : ScanOutcome::Cancelled;
    }
    return ScanOutcome::Completed;
}

bool ArchiveFile::growTo(qint64 records)
{
    const qint64 whole = count();
    if (whole < 0 || records < 0)
        return false;
    if (records <= whole)
        return true;
    if (::ftruncate(m_fd, static_cast<off_t>(whole * m_recordSize)) == 0
        && ::ftruncate(m_fd, static_cast<off_t>(records * m_recordSize)) == 0 && ::fsync(m_fd) == 0)
        return true;
    const QString reason = Logging::systemError();
    qCWarning(lcArchive) << "cannot grow" << m_path << "to" << records << "records:" << reason;
    // Back to the whole records it had, as a failed append leaves it.
    if (::ftruncate(m_fd, static_cast<off_t>(whole * m_recordSize)) == 0)
        ::fsync(m_fd);
    return false;
}

void ArchiveFile::close()
{
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}
