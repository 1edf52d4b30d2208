#include "engine/files/ReplacingFile.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

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
    void killedWriterLeavesNothing();
    void leftoversOfDeadWritersAreRemoved();
    void aLiveWritersFileIsKept();
    void createRemovesLeftovers();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestReplacingFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestReplacingFile::commitReplacesTheTarget()
{
    QVERIFY(TestFiles::write(path("out.xlsx"), "old"));
    ReplacingFile file(path("out.xlsx"));
    QVERIFY(file.create());
    QVERIFY(file.temporaryPath() != path("out.xlsx"));
    QVERIFY(TestFiles::write(file.temporaryPath(), "new"));
    QCOMPARE(TestFiles::read(path("out.xlsx")), QByteArray("old"));
    // Unnamed until it is complete.
    QCOMPARE(files(), QStringList{"out.xlsx"});
    QVERIFY(file.commit());
    QCOMPARE(TestFiles::read(path("out.xlsx")), QByteArray("new"));
    QCOMPARE(files(), QStringList{"out.xlsx"});
}

void TestReplacingFile::notCommittedLeavesNothing()
{
    QVERIFY(TestFiles::write(path("out.xlsx"), "old"));
    {
        ReplacingFile file(path("out.xlsx"));
        QVERIFY(file.create());
        QVERIFY(TestFiles::write(file.temporaryPath(), "half"));
    }
    QCOMPARE(TestFiles::read(path("out.xlsx")), QByteArray("old"));
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
    QVERIFY(TestFiles::write(path("out.xlsx"), "old"));
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

void TestReplacingFile::killedWriterLeavesNothing()
{
    QVERIFY(TestFiles::write(path("out.xlsx"), "old"));
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // Half-way through the writing, the power goes.
        ReplacingFile file(path("out.xlsx"));
        if (file.create())
            TestFiles::write(file.temporaryPath(), "half");
        ::raise(SIGKILL);
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(files(), QStringList{"out.xlsx"});
    QCOMPARE(TestFiles::read(path("out.xlsx")), QByteArray("old"));
}

void TestReplacingFile::leftoversOfDeadWritersAreRemoved()
{
    // What a writer killed between naming its finished file and renaming it
    // leaves, beside files that only look alike.
    for (const char *name : {"out.xlsx", "out.xlsx.Ab12Cd", "out.xlsx.zzzzzz", "out.xlsx.bak", "out.xlsx.Ab12Cde",
                             "out.xls.Ab12Cd", "other.xlsx.Ab12Cd"})
        QVERIFY(TestFiles::write(path(QString::fromLatin1(name)), "x"));
    ReplacingFile::removeLeftovers(path("out.xlsx"));
    QCOMPARE(files(), (QStringList{"other.xlsx.Ab12Cd", "out.xls.Ab12Cd", "out.xlsx", "out.xlsx.Ab12Cde",
                                   "out.xlsx.bak"}));
}

void TestReplacingFile::aLiveWritersFileIsKept()
{
    // Another copy of the program writing the same export holds its file.
    QVERIFY(TestFiles::write(path("out.xlsx.Ab12Cd"), "being written"));
    const int held = ::open(QFile::encodeName(path("out.xlsx.Ab12Cd")).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(held >= 0);
    QCOMPARE(::flock(held, LOCK_EX), 0);
    ReplacingFile::removeLeftovers(path("out.xlsx"));
    QVERIFY(QFile::exists(path("out.xlsx.Ab12Cd")));
    ::close(held);
    ReplacingFile::removeLeftovers(path("out.xlsx"));
    QVERIFY(!QFile::exists(path("out.xlsx.Ab12Cd")));
}

void TestReplacingFile::createRemovesLeftovers()
{
    // A dead writer's leftover goes as the next writer starts; a live
    // writer's file stays.
    QVERIFY(TestFiles::write(path("out.xlsx.Ab12Cd"), "left by a killed writer"));
    QVERIFY(TestFiles::write(path("out.xlsx.Ef34Gh"), "being written"));
    const int held = ::open(QFile::encodeName(path("out.xlsx.Ef34Gh")).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(held >= 0);
    QCOMPARE(::flock(held, LOCK_EX), 0);
    ReplacingFile file(path("out.xlsx"));
    QVERIFY(file.create());
    QVERIFY(!QFile::exists(path("out.xlsx.Ab12Cd")));
    QVERIFY(QFile::exists(path("out.xlsx.Ef34Gh")));
    ::close(held);
}

QTEST_GUILESS_MAIN(TestReplacingFile)
#include "tst_replacingfile.moc"
