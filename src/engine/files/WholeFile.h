#pragma once

#include <QByteArray>
#include <QString>

// A small file written whole: the bytes go under a temporary name beside
// it and take the old file's place only once every byte is on the disk, so
// that a failure (a full disk, a missing folder) leaves the old file as it
// was.
namespace WholeFile {

// False, with the system's reason in the log, when `path` could not be
// written whole.
bool write(const QString &path, const QByteArray &bytes);

} // namespace WholeFile
