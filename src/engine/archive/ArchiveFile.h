#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QElapsedTimer;

// One archive file of fixed-size records, open for the length of one user
// action. Record k (from 1) starts at byte (k - 1) x record size; a trailing
// fragment shorter than a record is not counted and the next append writes
// over it.
//
// While open, the file holds an exclusive lock, so that two copies of the
// program working on the same folder never append over each other. Every
// write reaches the disk before write() returns.
class ArchiveFile
{
public:
    ArchiveFile(QString path, int recordSize);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    // Opens the file for reading and writing, creating it empty when it does
    // not exist (an existing archive is never truncated), and takes the lock.
    bool open();
    bool isOpen() const { return m_fd >= 0; }
    // The number of whole records, or -1 on failure.
    qint64 count() const;
    // Reads record k, 1 <= k <= count().
    bool read(qint64 k, QByteArray *record) const;
    // Overwrites record k (1 <= k <= count()) or appends (k = count() + 1).
    // A failed append leaves the archive with the records it had.
    bool write(qint64 k, const QByteArray &record);
    // Reads every record from the first to the last; the visitor returns
    // false to stop early.
    bool scan(const std::function<bool(qint64 k, const QByteArray &record)> &visitor) const;

    enum class ScanOutcome {
        Completed,  // every record visited
        Stopped,    // the visitor asked to stop
        Cancelled,  // the progress callback asked to stop
        Failed,     // the archive could not be read
    };
    // After each block: records read so far and in all; false cancels.
    using ScanProgress = std::function<bool(qint64 done, qint64 total)>;
    // Small enough that a block just read is still in the processor's cache
    // when its records are visited, large enough that a hundred thousand
    // records take a few hundred reads.
    static constexpr qint64 kScanBlockBytes = qint64(256) << 10;
    // The same in blocks of `blockBytes` (rounded down to whole records, at
    // least one), one system call a block: the visitor sees record k's
    // bytes, valid for the call only.
    ScanOutcome scanBytes(const std::function<bool(qint64 k, const char *record)> &visitor,
                          const ScanProgress &progress = {}, qint64 blockBytes = kScanBlockBytes) const;
    // Appends empty records (every byte zero, so every field empty) until
    // the file holds `records`, dropping a trailing fragment first. For the
    // files kept beside an archive, one record per archive record.
    bool growTo(qint64 records);
    // Releases the lock and closes the file; also done by the destructor.
    void close();

    // How long open() waits for another program to release the lock.
    static void setLockTimeoutMs(int milliseconds);

private:
    // The archive's descriptor with its lock taken, or -1.
    int openLocked(const QByteArray &nativePath, const QElapsedTimer &waited) const;

    QString m_path;
    int m_recordSize;
    int m_fd = -1;
};
