#include "engine/files/WholeFile.h"

#include "FileSizeLimit.h"
#include "LogCapture.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A small file written whole, or not at all.
class TestWholeFile : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void writesAndReplaces();
    void fullDiskKeepsTheOldFile();
    void missingFolderFails();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestWholeFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestWholeFile::writesAndReplaces()
{
    QVERIFY(WholeFile::write(path("a.dat"), "first"));
    QCOMPARE(TestFiles::read(path("a.dat")), QByteArray("first"));
    QVERIFY(WholeFile::write(path("a.dat"), "second, longer"));
    QCOMPARE(TestFiles::read(path("a.dat")), QByteArray("second, longer"));
    QCOMPARE(files(), QStringList{"a.dat"});
}

void TestWholeFile::fullDiskKeepsTheOldFile()
{
    QVERIFY(WholeFile::write(path("a.dat"), "old"));
    LogCapture log;
    {
        FileSizeLimit limit(100);
        QVERIFY(limit.isActive());
        QVERIFY(!WholeFile::write(path("a.dat"), QByteArray(500, 'x')));
    }
    QCOMPARE(TestFiles::read(path("a.dat")), QByteArray("old"));
    QCOMPARE(files(), QStringList{"a.dat"});
    QVERIFY(!log.messages(QStringLiteral("vacanzio.files")).isEmpty());
}

void TestWholeFile::missingFolderFails()
{
    LogCapture log;
    QVERIFY(!WholeFile::write(path("missing/a.dat"), "x"));
    QVERIFY(!QFileInfo::exists(path("missing/a.dat")));
    const QStringList logged = log.messages(QStringLiteral("vacanzio.files"));
    QCOMPARE(logged.size(), 1);
    QVERIFY2(logged.first().contains(path("missing/a.dat")), qPrintable(logged.first()));
}

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
