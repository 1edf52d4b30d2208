#include "engine/archive/ArchiveScanner.h"

#include <utility>

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
    return archive.scanBytes([&](qint64 k, const char *record) { return visit(k, record) == Step::Continue; },
                             progress, m_blockBytes);
}
