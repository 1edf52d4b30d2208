// Appends records to an archive the way the card windows save a new card:
// open, count, append, close, once per record. Used by the archive tests to
// run two copies of the program against one folder at the same moment.
//   archive_append_worker <path> <record size> <records> <tag> [pause ms]
// The pause between two records, none by default, keeps the worker saving
// for long enough that a test can act in the middle of it.
#include "engine/archive/ArchiveFile.h"

#include <QByteArray>
#include <QString>
#include <QThread>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: %s path recordSize records tag [pauseMs]\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int recordSize = std::atoi(argv[2]);
    const int records = std::atoi(argv[3]);
    const QByteArray tag(argv[4]);
    const int pauseMs = argc == 6 ? std::atoi(argv[5]) : 0;
    ArchiveFile::setLockTimeoutMs(30000);
    for (int i = 0; i < records; ++i) {
        QByteArray record = tag + '-' + QByteArray::number(i);
        record.resize(recordSize, '.');
        ArchiveFile file(path, recordSize);
        if (!file.open())
            return 1;
        const qint64 count = file.count();
        if (count < 0 || !file.write(count + 1, record))
            return 1;
        file.close();
        if (pauseMs > 0)
            QThread::msleep(pauseMs);
    }
    return 0;
}
