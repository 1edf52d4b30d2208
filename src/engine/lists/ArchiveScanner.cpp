#include "engine/lists/ArchiveScanner.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/lists/LargeBuffer.h"
#include "engine/lists/ParallelParts.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
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
    return scanInParts(1, [&visit](int) { return visit; }, progress).front();
}

std::vector<ArchiveScanner::Outcome> ArchiveScanner::scanInParts(int parts,
                                                                 const std::function<Visitor(int part)> &visitorFor,
                                                                 const Progress &progress) const
{
    parts = std::max(1, parts);
    std::vector<Outcome> outcomes(static_cast<std::size_t>(parts), Outcome::Failed);
    ArchiveFile archive(m_path, m_recordSize);
    if (!archive.open())
        return outcomes;
    const qint64 total = archive.count();
    if (total < 0)
        return outcomes;
    if (total == 0) {
        std::fill(outcomes.begin(), outcomes.end(), Outcome::Completed);
        return outcomes;
    }
    const ReadOnlyFile file(m_path);
    if (!file.isOpen())
        return outcomes;

    std::vector<Visitor> visitors;
    for (int part = 0; part < parts; ++part)
        visitors.push_back(visitorFor(part));
    // The block size is for the whole scan: the runs share it.
    const qint64 blockRecords = std::max<qint64>(1, m_blockBytes / parts / m_recordSize);
    std::atomic<qint64> done = 0;
    std::atomic<bool> cancelled = false;
    // The first run (by number) that stopped or failed: the runs after it
    // are not needed.
    std::atomic<int> firstEnded = parts;
    const auto reportProgress = [&] {
        if (progress && !cancelled && !progress(done, total))
            cancelled = true;
    };
    const auto endAfter = [&firstEnded](int part) {
        int current = firstEnded;
        while (part < current && !firstEnded.compare_exchange_weak(current, part)) {
        }
    };

    const auto readRun = [&](int part) -> Outcome {
        const qint64 first = total * part / parts;
        const qint64 end = total * (part + 1) / parts;
        if (first == end)
            return Outcome::Completed;
        const LargeBuffer memory(static_cast<std::size_t>(std::min(blockRecords, end - first) * m_recordSize));
        auto *block = static_cast<char *>(memory.data());
        if (!block)
            return Outcome::Failed;
        const Visitor &visit = visitors[static_cast<std::size_t>(part)];
        for (qint64 next = first; next < end;) {
            if (cancelled || firstEnded < part)
                return Outcome::Cancelled;
            const qint64 records = std::min(blockRecords, end - next);
            if (!file.readFully(block, records * m_recordSize, next * m_recordSize))
                return Outcome::Failed;
            for (qint64 i = 0; i < records; ++i) {
                if (visit(next + i + 1, block + i * m_recordSize) == Step::Stop)
                    return Outcome::Stopped;
            }
            next += records;
            done += records;
            if (part == 0)
                reportProgress();
            if (cancelled)
                return next == end ? Outcome::Completed : Outcome::Cancelled;
        }
        return Outcome::Completed;
    };

    ParallelParts::run(
        parts,
        [&](int part) {
            Outcome &outcome = outcomes[static_cast<std::size_t>(part)];
            try {
                outcome = readRun(part);
            } catch (...) {
                // The other runs stop at their next block rather than read
                // on for a scan that is over.
                cancelled = true;
                throw;
            }
            if (outcome == Outcome::Stopped || outcome == Outcome::Failed)
                endAfter(part);
        },
        reportProgress);
    return outcomes;
}
