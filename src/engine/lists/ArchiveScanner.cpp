#include "engine/lists/ArchiveScanner.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/lists/LargeBuffer.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
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

    const qint64 blockRecords = std::max<qint64>(1, m_blockBytes / m_recordSize);
    const LargeBuffer memory(static_cast<std::size_t>(std::min(blockRecords, total) * m_recordSize));
    auto *block = static_cast<char *>(memory.data());
    if (!block)
        return Outcome::Failed;
    qint64 done = 0;
    while (done < total) {
        const qint64 records = std::min(blockRecords, total - done);
        if (!file.readFully(block, records * m_recordSize, done * m_recordSize))
            return Outcome::Failed;
        for (qint64 i = 0; i < records; ++i) {
            if (visit(done + i + 1, block + i * m_recordSize) == Step::Stop)
                return Outcome::Stopped;
        }
        done += records;
        if (progress && !progress(done, total))
            return done == total ? Outcome::Completed : Outcome::Cancelled;
    }
    return Outcome::Completed;
}
