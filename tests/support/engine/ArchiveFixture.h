#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class RecordLayout;

// Archive files for tests, built byte by byte from the layout's offsets and
// capacities alone, so that what the program reads is checked against bytes
// it did not write itself.
namespace ArchiveFixture {

using Fields = QList<QPair<QString, QByteArray>>;

// One record: each named field gets its length byte and the given
// Windows-1252 bytes (cut to the field's capacity); every other field is
// empty. The bytes after each length hold junk, which readers must ignore.
QByteArray record(const RecordLayout &layout, const Fields &fields);
// Writes the records, then `trailer` (a fragment shorter than a record).
bool write(const QString &path, const QList<QByteArray> &records, const QByteArray &trailer = {});

} // namespace ArchiveFixture
