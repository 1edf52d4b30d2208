#pragma once

#include <QString>

#include <functional>

// Reads a whole archive from the first record to the last in sequential
// blocks (one system call for dozens of records), for the list and search
// windows. The archive is opened with the open rule of every archive action
// (created empty when missing, locked while read) and closed before scan()
// returns.
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
    // at least one).
    void setBlockBytes(qint64 bytes) { m_blockBytes = bytes; }
    // Small enough that a block just read is still in the processor's cache
    // when its records are visited, large enough that a system call brings
    // dozens of records.
    static constexpr qint64 kDefaultBlockBytes = qint64(256) << 10;

    Outcome scan(const Visitor &visit, const Progress &progress = {}) const;

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

private:
    QString m_path;
    int m_recordSize;
    qint64 m_blockBytes = kDefaultBlockBytes;
};
