#include "engine/archive/ArchiveScanner.h"

#include "engine/archive/ArchiveFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// A second, read-only descriptor on the archive: the ArchiveFile that opened
// it keeps the lock meanwhile.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
    {
        if (m_fd >= 0)
            ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    ~ReadOnlyFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    bool readFully(char *data, qint64 length, qint64 offset) const
    {
        while (length > 0) {
            const ssize_t got = ::pread(m_fd, data, static_cast<size_t>(length), static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            data += got;
            length -= got;
            offset += got;
        }
        return true;
    }

private:
    int m_fd;
};

} // namespace

ArchiveScanner::ArchiveScanner(QString path, int recordSize)
    : m_path(std::move(path))
    , m_recordSize(recordSize)
{
}

ArchiveScanner::Outcome ArchiveScanner::scan(const Visitor &visit, const Progress &progress) const
{
    ArchiveFile archive(m_path, m_recordSize);
    if (!archive.open())
        return Outcome::Failed;
    const qint64 total = archive.count();
    if (total < 0)
        return Outcome::Failed;
    if (total == 0)
        return Outcome::Completed;
    const ReadOnlyFile file(m_path);
    if (!file.isOpen())
        return Outcome::Failed;

    const qint64 blockRecords = std::clamp<qint64>(m_blockBytes / m_recordSize, 1, total);
    const auto block = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(blockRecords * m_recordSize));
    for (qint64 next = 0; next < total;) {
        const qint64 records = std::min(blockRecords, total - next);
        if (!file.readFully(block.get(), records * m_recordSize, next * m_recordSize))
            return Outcome::Failed;
        for (qint64 i = 0; i < records; ++i) {
            if (visit(next + i + 1, block.get() + i * m_recordSize) == Step::Stop)
                return Outcome::Stopped;
        }
        next += records;
        // A cancel after the last block comes too late to save anything.
        if (progress && !progress(next, total))
            return next == total ? Outcome::Completed : Outcome::Cancelled;
    }
    return Outcome::Completed;
}
