// Appends records to an archive the way the card windows save a new card:
// open, count, append, close, once per record. Used by the archive tests to
// run two copies of the program against one folder at the same moment.
//   archive_append_worker <path> <record size> <records> <tag>
#include "engine/archive/ArchiveFile.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s path recordSize records tag\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int recordSize = std::atoi(argv[2]);
    const int records = std::atoi(argv[3]);
    const QByteArray tag(argv[4]);
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
    }
    return 0;
}
