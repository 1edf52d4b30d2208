#include "engine/export/ExportReader.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/ShortStringField.h"
#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace {

// Records read at once: large sequential reads instead of one per record.
constexpr qint64 BlockBytes = 4 << 20;

struct FieldSlice
{
    int offset;
    int capacity;
};

} // namespace

namespace ExportReader {

bool read(const QString &path, const ExportDefinition &definition, ExportRows &rows,
          const ExportProgress &progress)
{
    const RecordLayout &layout = definition.layout();
    std::vector<FieldSlice> slices;
    for (const ExportColumn &column : definition.columns) {
        const int index = layout.indexOf(QString::fromLatin1(column.field));
        Q_ASSERT(index >= 0);
        slices.push_back({layout.offset(index), layout.capacity(index)});
    }

    // The archive's own open rule and lock; the bytes themselves are read in
    // large blocks through a second handle.
    ArchiveFile archive(path, layout.recordSize());
    if (!archive.open())
        return false;
    const qint64 total = archive.count();
    if (total < 0)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;

    rows.reserveRows(rows.rowCount() + total);
    const qint64 recordSize = layout.recordSize();
    const qint64 perBlock = std::max<qint64>(1, BlockBytes / recordSize);
    QByteArray block;
    if (progress)
        progress(0, total);
    for (qint64 done = 0; done < total;) {
        const qint64 records = std::min(perBlock, total - done);
        block.resize(records * recordSize);
        const qint64 got = file.read(block.data(), block.size());
        // Whatever whole records came before a failed read still count.
        const qint64 whole = std::max<qint64>(got, 0) / recordSize;
        for (qint64 r = 0; r < whole; ++r) {
            const char *record = block.constData() + r * recordSize;
            for (const FieldSlice &slice : slices)
                rows.appendCell(ShortStringField::trimmedBytes(record + slice.offset, slice.capacity));
        }
        if (whole != records)
            return false;
        done += records;
        if (progress)
            progress(done, total);
    }
    return true;
}

} // namespace ExportReader
