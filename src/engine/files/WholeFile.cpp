#include "engine/files/WholeFile.h"

#include "engine/diagnostics/Logging.h"

#include <QSaveFile>

namespace WholeFile {

bool write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a file-size limit)
    // shows in write()'s count. Through the buffer the short write happens
    // inside commit(), which then still puts the cut file in place and
    // succeeds.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCWarning(lcFiles) << "cannot write" << path << ":" << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        qCWarning(lcFiles) << "cannot write" << path << ":" << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcFiles) << "cannot put" << path << "in place:" << file.errorString();
        return false;
    }
    return true;
}

} // namespace WholeFile
