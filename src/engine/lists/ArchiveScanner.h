#pragma once

#include <QString>

#include <functional>
#include <vector>

// Reads a whole archive from the first record to the last in large
// sequential blocks (one system call for thousands of records), for the
// list and search windows. The archive is opened with the open rule of every
// archive action (created empty when missing, locked while read) and closed
// before scan() returns.
class ArchiveScanner
{
public:
    enum class Outcome {
        Completed,  // every record visited
        Stopped,    // the visitor asked to stop
        Cancelled,  // the progress callback asked to stop
        Failed,     // the archive could not be opened or read
    };
    enum class Step { Continue, Stop };

    // Record k (from 1) and its bytes, valid for the call only.
    using Visitor = std::function<Step(qint64 k, const char *record)>;
    // After each block: records read so far and in all; false cancels.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    ArchiveScanner(QString path, int recordSize);

    // How many bytes a block holds at most (rounded down to whole records,
    // at least one); a scan in parts gives each part its share.
    void setBlockBytes(qint64 bytes) { m_blockBytes = bytes; }
    static constexpr qint64 kDefaultBlockBytes = qint64(4) << 20;

    Outcome scan(const Visitor &visit, const Progress &progress = {}) const;

    // The same scan in `parts` runs of consecutive records read at once,
    // run p on a thread of its own (run 0 on the calling thread) and
    // visited in order by visitorFor(p), which is asked for on the calling
    // thread before any reading. Visitors run at the same time, so they
    // must not share anything they change. Progress is reported on the
    // calling thread alone, counting the records of every run, until the
    // last run ends; false cancels every run. A run that stops or fails
    // cancels the runs after it, which a scan in one go would never have
    // reached. One outcome per run; all Failed when the archive cannot be
    // opened.
    std::vector<Outcome> scanInParts(int parts, const std::function<Visitor(int part)> &visitorFor,
                                     const Progress &progress = {}) const;

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

private:
    QString m_path;
    int m_recordSize;
    qint64 m_blockBytes = kDefaultBlockBytes;
};
