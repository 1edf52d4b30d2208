#pragma once

#include <QByteArray>
#include <QString>

// Files that tests prepare and read back whole.
namespace TestFiles {

// Writes `bytes` as the whole file at `path`; false when it could not.
bool write(const QString &path, const QByteArray &bytes);
// The whole file, or nothing when it cannot be read.
QByteArray read(const QString &path);

} // namespace TestFiles
