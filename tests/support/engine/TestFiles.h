#pragma once

#include <QByteArray>
#include <QString>

// Files for tests: their bytes, written or read whole.
namespace TestFiles {

// The whole file, or nothing when it cannot be read.
QByteArray read(const QString &path);
// Writes the file whole, creating its folder; false on any failure.
bool write(const QString &path, const QByteArray &bytes);
// Bytes that do not compress, the same for the same seed.
QByteArray noise(qsizetype size, quint32 seed);

} // namespace TestFiles
