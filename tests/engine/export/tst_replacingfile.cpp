#include "engine/export/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A file written under a temporary name and put in its target's place only
// on commit.
class TestReplacingFile : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void commitReplacesTheTarget();
    void notCommittedLeavesNothing();
    void newFileIsReadableByOthers();
    void keepsTheTargetsPermissions();
    void missingFolderFails();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    static bool put(const QString &path, const QByteArray &bytes);
    static QByteArray bytesOf(const QString &path);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestReplacingFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

bool TestReplacingFile::put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray TestReplacingFile::bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestReplacingFile::commitReplacesTheTarget()
{
    QVERIFY(put(path("out.xlsx"), "old"));
    ReplacingFile file(path("out.xlsx"));
    QVERIFY(file.create());
    QCOMPARE(QFileInfo(file.temporaryPath()).absolutePath(), QFileInfo(path("out.xlsx")).absolutePath());
    QVERIFY(file.temporaryPath() != path("out.xlsx"));
    QVERIFY(put(file.temporaryPath(), "new"));
    QCOMPARE(bytesOf(path("out.xlsx")), QByteArray("old"));
    QVERIFY(file.commit());
    QCOMPARE(bytesOf(path("out.xlsx")), QByteArray("new"));
    QCOMPARE(files(), QStringList{"out.xlsx"});
}

void TestReplacingFile::notCommittedLeavesNothing()
{
    QVERIFY(put(path("out.xlsx"), "old"));
    {
        ReplacingFile file(path("out.xlsx"));
        QVERIFY(file.create());
        QVERIFY(put(file.temporaryPath(), "half"));
        QCOMPARE(files().size(), 2);
    }
    QCOMPARE(bytesOf(path("out.xlsx")), QByteArray("old"));
    QCOMPARE(files(), QStringList{"out.xlsx"});
}

void TestReplacingFile::newFileIsReadableByOthers()
{
    ReplacingFile file(path("out.xlsx"));
    QVERIFY(file.create());
    QVERIFY(file.commit());
    const QFile::Permissions permissions = QFileInfo(path("out.xlsx")).permissions();
    QVERIFY(permissions.testFlag(QFile::ReadOwner) && permissions.testFlag(QFile::WriteOwner));
    QVERIFY(permissions.testFlag(QFile::ReadGroup) && permissions.testFlag(QFile::ReadOther));
}

void TestReplacingFile::keepsTheTargetsPermissions()
{
    QVERIFY(put(path("out.xlsx"), "old"));
    const QFile::Permissions chosen = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup;
    QVERIFY(QFile::setPermissions(path("out.xlsx"), chosen));
    ReplacingFile file(path("out.xlsx"));
    QVERIFY(file.create());
    QVERIFY(file.commit());
    QCOMPARE(QFileInfo(path("out.xlsx")).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             chosen);
}

void TestReplacingFile::missingFolderFails()
{
    ReplacingFile file(path("missing/out.xlsx"));
    QVERIFY(!file.create());
    QVERIFY(!file.commit());
}

QTEST_GUILESS_MAIN(TestReplacingFile)
#include "tst_replacingfile.moc"
