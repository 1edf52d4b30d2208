#pragma once

#include "engine/archive/ArchiveFile.h"

#include <QString>

#include <functional>

// A whole archive to be read from the first record to the last in blocks,
// for the list and search windows and the export: the archive is opened
// with the open rule of every archive action (created empty when missing,
// locked while read) and closed before scan() returns.
class ArchiveScanner
{
public:
    using Outcome = ArchiveFile::ScanOutcome;
    using Progress = ArchiveFile::ScanProgress;
    enum class Step { Continue, Stop };

    // Record k (from 1) and its bytes, valid for the call only.
    using Visitor = std::function<Step(qint64 k, const char *record)>;

    ArchiveScanner(QString path, int recordSize);

    // How many bytes a block holds at most (rounded down to whole records,
    // at least one).
    void setBlockBytes(qint64 bytes) { m_blockBytes = bytes; }
    static constexpr qint64 kDefaultBlockBytes = ArchiveFile::kScanBlockBytes;

    Outcome scan(const Visitor &visit, const Progress &progress = {}) const;

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

private:
    QString m_path;
    int m_recordSize;
    qint64 m_blockBytes = kDefaultBlockBytes;
};
