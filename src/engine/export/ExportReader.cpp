#include "engine/export/ExportReader.h"

#include "engine/archive/ArchiveScanner.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/ShortStringField.h"
#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"

#include <QFileInfo>

#include <vector>

namespace {

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

    const qint64 expected = QFileInfo(path).size() / layout.recordSize();
    rows.reserveRows(rows.rowCount() + expected);
    if (progress)
        progress(0, expected);
    const ArchiveScanner archive(path, layout.recordSize());
    const ArchiveScanner::Outcome outcome = archive.scan(
        [&](qint64, const char *record) {
            for (const FieldSlice &slice : slices)
                rows.appendCell(ShortStringField::trimmedBytes(record + slice.offset, slice.capacity));
            return ArchiveScanner::Step::Continue;
        },
        [&](qint64 done, qint64 total) {
            if (progress)
                progress(done, total);
            return true;
        });
    return outcome == ArchiveScanner::Outcome::Completed;
}

} // namespace ExportReader
