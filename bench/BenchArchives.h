#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class RecordLayout;

// Writes an archive of `records` generated records for a benchmark: every
// field holds "<name> valore di prova" unless `fill` (called with the
// record's number, from 1) puts something else in it. Written in large
// blocks; false when the file cannot be written whole.
bool writeGeneratedArchive(const QString &path, const RecordLayout &layout, int records,
                           const std::function<void(int k, QStringList &texts)> &fill);
