#pragma once

#include "engine/archive/Record.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <initializer_list>
#include <utility>

class RecordLayout;

// Small archives for the list and search tests, written byte by byte as the
// program stores them.
namespace SearchFixture {

// A record with the named fields set, every other field empty.
Record record(const RecordLayout &layout, std::initializer_list<std::pair<const char *, QString>> values);

// The record's bytes with the named field holding `text` exactly as given
// (blanks included): what another writer might have stored.
QByteArray withRawField(const RecordLayout &layout, QByteArray bytes, const char *field, const QByteArray &text);

// Writes the records one after the other, replacing the file; `tail` is
// appended after them (a fragment shorter than a record, say).
bool write(const QString &path, const QList<Record> &records, const QByteArray &tail = QByteArray());

} // namespace SearchFixture
