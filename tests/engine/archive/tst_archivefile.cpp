#include "LogCapture.h"
#include "TestFiles.h"
#include "engine/archive/ArchiveFile.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
constexpr int kSize = 16;

QByteArray recordOf(char fill)
{
    return QByteArray(kSize, fill);
}

} // namespace

class TestArchiveFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void openCreatesAnEmptyArchive();
    void openNeverTruncates();
    void readWriteAndAppend();
    void trailingFragmentIsIgnoredAndOverwritten();
    void writeOutsideTheArchiveFails();
    void openFailsInAMissingFolder();
    void lockedArchiveFailsAfterTheTimeout();
    void lockIsReleasedOnClose();
    void diskFullLeavesTheArchiveAsItWas();
    void scanVisitsEveryRecordInOrder();
    void scanBytesCrossesBlocksInOrder_data();
    void scanBytesCrossesBlocksInOrder();
    void growToAppendsEmptyRecordsOverAFragment();
    void twoProgramsAppendingAtOnceLoseNothing();
    void aWriterWaitingOnAReplacedArchiveWritesIntoTheNewOne();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestArchiveFile::init()
{
    m_path = m_dir.filePath(QStringLiteral("archivio-%1.pro").arg(QTest::currentTestFunction()));
    QFile::remove(m_path);
    ArchiveFile::setLockTimeoutMs(5000);
}

void TestArchiveFile::openCreatesAnEmptyArchive()
{
    ArchiveFile file(m_path, kSize);
    QVERIFY(file.open());
    QCOMPARE(file.count(), 0);
    file.close();
    QVERIFY(QFile::exists(m_path));
    QCOMPARE(QFile(m_path).size(), 0);
}

void TestArchiveFile::openNeverTruncates()
{
    QVERIFY(TestFiles::write(m_path, recordOf('a') + recordOf('b')));
    ArchiveFile file(m_path, kSize);
    QVERIFY(file.open());
    QCOMPARE(file.count(), 2);
    file.close();
    QCOMPARE(TestFiles::read(m_path), recordOf('a') + recordOf('b'));
}

void TestArchiveFile::readWriteAndAppend()
{
    ArchiveFile file(m_path, kSize);
    QVERIFY(file.open());
    QVERIFY(file.write(1, recordOf('a')));
    QVERIFY(file.write(2, recordOf('b')));
    QVERIFY(file.write(1, recordOf('c')));
    QCOMPARE(file.count(), 2);
    QByteArray record;
    QVERIFY(file.read(2, &record));
    QCOMPARE(record, recordOf('b'));
    file.close();
    QCOMPARE(TestFiles::read(m_path), recordOf('c') + recordOf('b'));
}

void TestArchiveFile::trailingFragmentIsIgnoredAndOverwritten()
{
    QVERIFY(TestFiles::write(m_path, recordOf('a') + QByteArray(5, 'z')));
    ArchiveFile file(m_path, kSize);
    QVERIFY(file.open());
    QCOMPARE(file.count(), 1);
    QByteArray record;
    QVERIFY(!file.read(2, &record));
    QVERIFY(file.write(2, recordOf('b')));
    file.close();
    QCOMPARE(TestFiles::read(m_path), recordOf('a') + recordOf('b'));
}

void TestArchiveFile::writeOutsideTheArchiveFails()
{
    ArchiveFile file(m_path, kSize);
    QVERIFY(file.open());
    QVERIFY(!file.write(2, recordOf('a')));   // would leave a gap
    QVERIFY(!file.write(0, recordOf('a')));
    QVERIFY(!file.write(1, QByteArray(kSize - 1, 'a')));  // wrong size
    QCOMPARE(file.count(), 0);
}

void TestArchiveFile::openFailsInAMissingFolder()
{
    const LogCapture log;
    ArchiveFile file(m_dir.filePath(QStringLiteral("missing/folder/a.pro")), kSize);
    QVERIFY(!file.open());
    QVERIFY(!file.isOpen());
    QCOMPARE(file.count(), -1);
    // The user sees the access message; the log keeps the file and why.
    const QStringList logged = log.messages(QStringLiteral("vacanzio.archive"));
    QCOMPARE(logged.size(), 1);
    QVERIFY2(logged.first().contains(QStringLiteral("missing/folder/a.pro"))
                 && logged.first().contains(QStringLiteral("No such file or directory")),
             qPrintable(logged.first()));
}

void TestArchiveFile::lockedArchiveFailsAfterTheTimeout()
{
    ArchiveFile::setLockTimeoutMs(100);
    ArchiveFile holder(m_path, kSize);
    QVERIFY(holder.open());
    ArchiveFile other(m_path, kSize);
    const LogCapture log;
    QVERIFY(!other.open());
    QCOMPARE(log.messages(QStringLiteral("vacanzio.archive")).size(), 1);
    QVERIFY(log.messages(QStringLiteral("vacanzio.archive")).first().contains(QStringLiteral("still locked")));
}

void TestArchiveFile::lockIsReleasedOnClose()
{
    ArchiveFile::setLockTimeoutMs(100);
    {
        ArchiveFile holder(m_path, kSize);
        QVERIFY(holder.open());
    }
    ArchiveFile other(m_path, kSize);
    QVERIFY(other.open());
}

void TestArchiveFile::diskFullLeavesTheArchiveAsItWas()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("this system has no /dev/full");
    ArchiveFile file(QStringLiteral("/dev/full"), kSize);
    QVERIFY(file.open());
    const LogCapture log;
    QVERIFY(!file.write(file.count() + 1, recordOf('a')));
    const QStringList logged = log.messages(QStringLiteral("vacanzio.archive"));
    QCOMPARE(logged.size(), 1);
    QVERIFY2(logged.first().contains(QStringLiteral("No space left on device")), qPrintable(logged.first()));
}

void TestArchiveFile::scanVisitsEveryRecordInOrder()
{
    QVERIFY(TestFiles::write(m_path, recordOf('a') + recordOf('b') + recordOf('c') + QByteArray(3, 'z')));
    ArchiveFile file(m_path, kSize);
    QVERIFY(file.open());
    QByteArray seen;
    QVERIFY(file.scan([&](qint64 k, const QByteArray &record) {
        seen.append(record.at(0));
        return k < 2;  // stop after the second
    }));
    QCOMPARE(seen, QByteArray("ab"));
}

void TestArchiveFile::scanBytesCrossesBlocksInOrder_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("stopAt");  // 0: never
    // Blocks of 256 KB hold 16,384 records of 16 bytes.
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one block") << 10 << 0;
    QTest::newRow("a block exactly") << 16384 << 0;
    QTest::newRow("three blocks, the last short") << 40000 << 0;
    QTest::newRow("stopped in the second block") << 40000 << 20000;
}

void TestArchiveFile::scanBytesCrossesBlocksInOrder()
{
    QFETCH(int, records);
    QFETCH(int, stopAt);
    QByteArray bytes;
    for (int k = 1; k <= records; ++k)
        bytes += QByteArray::number(k).leftJustified(kSize, '.');
    QVERIFY(TestFiles::write(m_path, bytes + QByteArray(5, 'z')));
    ArchiveFile file(m_path, kSize);
    QVERIFY(file.open());
    qint64 visited = 0;
    bool inOrder = true;
    const ArchiveFile::ScanOutcome outcome = file.scanBytes([&](qint64 k, const char *record) {
        ++visited;
        const QByteArray expected = QByteArray::number(k).leftJustified(kSize, '.');
        inOrder = inOrder && k == visited && QByteArray(record, kSize) == expected;
        return k != stopAt;
    });
    QCOMPARE(outcome, stopAt ? ArchiveFile::ScanOutcome::Stopped : ArchiveFile::ScanOutcome::Completed);
    QVERIFY(inOrder);
    QCOMPARE(visited, stopAt ? stopAt : records);
}

void TestArchiveFile::growToAppendsEmptyRecordsOverAFragment()
{
    QVERIFY(TestFiles::write(m_path, recordOf('a') + QByteArray(5, 'z')));
    ArchiveFile file(m_path, kSize);
    QVERIFY(file.open());
    QVERIFY(file.growTo(1));
    QCOMPARE(file.count(), 1);
    QVERIFY(file.growTo(3));
    QCOMPARE(file.count(), 3);
    file.close();
    // The fragment is gone, not taken into the first new record.
    QCOMPARE(TestFiles::read(m_path), recordOf('a') + QByteArray(2 * kSize, '\0'));
}

void TestArchiveFile::twoProgramsAppendingAtOnceLoseNothing()
{
    constexpr int perProgram = 150;
    QProcess first;
    QProcess second;
    const QStringList common = {m_path, QString::number(kSize), QString::number(perProgram)};
    first.start(QStringLiteral(APPEND_WORKER), common + QStringList{QStringLiteral("A")});
    second.start(QStringLiteral(APPEND_WORKER), common + QStringList{QStringLiteral("B")});
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    const QByteArray bytes = TestFiles::read(m_path);
    QCOMPARE(bytes.size(), 2 * perProgram * kSize);
    QSet<QByteArray> records;
    for (int k = 0; k < 2 * perProgram; ++k) {
        QByteArray record = bytes.mid(k * kSize, kSize);
        while (record.endsWith('.'))
            record.chop(1);
        records.insert(record);
    }
    QCOMPARE(records.size(), 2 * perProgram);
    for (int i = 0; i < perProgram; ++i) {
        QVERIFY(records.contains("A-" + QByteArray::number(i)));
        QVERIFY(records.contains("B-" + QByteArray::number(i)));
    }
}

void TestArchiveFile::aWriterWaitingOnAReplacedArchiveWritesIntoTheNewOne()
{
    // A restore holds the archive's lock while it puts another file in its
    // place. A save that was waiting for that lock must land in the new
    // archive, not in the old file moved aside.
    QVERIFY(TestFiles::write(m_path, recordOf('a')));
    ArchiveFile restoring(m_path, kSize);
    QVERIFY(restoring.open());

    bool saved = false;
    std::unique_ptr<QThread> saving(QThread::create([this, &saved] {
        ArchiveFile file(m_path, kSize);
        saved = file.open() && file.write(file.count() + 1, recordOf('s'));
    }));
    saving->start();
    QTest::qWait(100);  // the save is now waiting for the lock

    const QString aside = m_path + QStringLiteral(".sostituito");
    const QString incoming = m_path + QStringLiteral(".nuovo");
    QVERIFY(TestFiles::write(incoming, recordOf('n') + recordOf('n')));
    QVERIFY(QFile::rename(m_path, aside));
    QVERIFY(QFile::rename(incoming, m_path));
    restoring.close();

    QVERIFY(saving->wait(10000));
    QVERIFY(saved);
    QCOMPARE(TestFiles::read(m_path), recordOf('n') + recordOf('n') + recordOf('s'));
    QCOMPARE(TestFiles::read(aside), recordOf('a'));
}

QTEST_GUILESS_MAIN(TestArchiveFile)
#include "tst_archivefile.moc"
