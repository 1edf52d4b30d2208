#include "engine/password/PasswordStore.h"
#include "engine/platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Which folder the program keeps its files in, and how a data folder is
// made ready, on folders made for each row. "@" in a row stands for the
// row's temporary folder.

namespace {

// A folder that exists but where nobody, root included, can create a file.
const QString kUnwritable = QStringLiteral("/proc/self");

} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    // Each row has a fresh folder of its own.
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void choose_data();
    void choose();
    void prepare_data();
    void prepare();
    void systemFolders_data();
    void systemFolders();
    void documentationFolder_data();
    void documentationFolder();

private:
    QString place(const QString &pattern) const
    {
        return pattern.isEmpty() || pattern.startsWith(QLatin1Char('/')) ? pattern
                                                                          : m_dir->path() + QLatin1Char('/') + pattern;
    }
    void makeFolder(const QString &relative) { QVERIFY(QDir().mkpath(place(relative))); }
    void writePassword(const QString &folder) { QVERIFY(PasswordStore(place(folder) + QLatin1Char('/')).write(QStringLiteral("mia"))); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProgramFolder::choose_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("executable");
    QTest::addColumn<bool>("passwordBesideExecutable");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("folder");  // expected, relative to the row's folder

    const int given = int(ProgramFolder::Source::Given);
    const int portable = int(ProgramFolder::Source::Portable);
    const int installed = int(ProgramFolder::Source::Installed);
    QTest::newRow("named on the command line") << "dati" << "chiavetta" << true << given << "dati/";
    QTest::newRow("named, not yet there") << "nuova/cartella" << "chiavetta" << false << given << "nuova/cartella/";
    QTest::newRow("USB stick with the password file") << "" << "chiavetta" << true << portable << "chiavetta/";
    QTest::newRow("writable copy without password file") << "" << "chiavetta" << false << portable << "chiavetta/";
    QTest::newRow("password file even in a bin folder") << "" << "radice/usr/bin" << true << portable << "radice/usr/bin/";
    QTest::newRow("unpacked package: a bin folder") << "" << "radice/usr/bin" << false << installed << "documenti/Vacanzio/";
    QTest::newRow("local bin folder") << "" << "casa/.local/bin" << false << installed << "documenti/Vacanzio/";
    QTest::newRow("folder nobody can write") << "" << kUnwritable << false << installed << "documenti/Vacanzio/";
    QTest::newRow("system folder") << "" << "/usr/lib/vacanzio" << false << installed << "documenti/Vacanzio/";
}

void TestProgramFolder::choose()
{
    QFETCH(QString, given);
    QFETCH(QString, executable);
    QFETCH(bool, passwordBesideExecutable);
    QFETCH(int, source);
    QFETCH(QString, folder);

    QVERIFY(m_dir->isValid());
    if (!executable.startsWith(QLatin1Char('/')))
        makeFolder(executable);
    if (passwordBesideExecutable)
        writePassword(executable);
    makeFolder(QStringLiteral("documenti"));

    const ProgramFolder::Choice choice =
        ProgramFolder::choose({place(given), place(executable), place(QStringLiteral("documenti"))});
    QCOMPARE(int(choice.source), source);
    QCOMPARE(choice.folder, place(folder));
    // Choosing creates nothing.
    QVERIFY(!QFileInfo::exists(place(QStringLiteral("documenti/Vacanzio"))));
    if (!given.isEmpty() && !passwordBesideExecutable)
        QVERIFY(!QFileInfo::exists(place(given)));
}

void TestProgramFolder::prepare_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("existingPassword");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QString>("password");  // what the folder's password file holds after; "" for no file

    const int given = int(ProgramFolder::Source::Given);
    const int portable = int(ProgramFolder::Source::Portable);
    const int installed = int(ProgramFolder::Source::Installed);
    QTest::newRow("installed, first start") << installed << "documenti/Vacanzio" << false << true << "BENVENUTOPOSTA";
    QTest::newRow("installed, password changed") << installed << "documenti/Vacanzio" << true << true << "MIA";
    QTest::newRow("named, missing") << given << "nuova/cartella" << false << true << "BENVENUTOPOSTA";
    QTest::newRow("named, with its password") << given << "dati" << true << true << "MIA";
    QTest::newRow("named, cannot be created") << given << "un file/cartella" << false << false << "";
    QTest::newRow("named, cannot be written") << given << kUnwritable << false << false << "";
    QTest::newRow("portable: taken as it is") << portable << "chiavetta" << false << true << "";
}

void TestProgramFolder::prepare()
{
    QFETCH(int, source);
    QFETCH(QString, folder);
    QFETCH(bool, existingPassword);
    QFETCH(bool, ready);
    QFETCH(QString, password);

    QVERIFY(m_dir->isValid());
    // A file where the row wants a parent folder.
    QFile blocker(place(QStringLiteral("un file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    if (source == int(ProgramFolder::Source::Portable))
        makeFolder(folder);
    if (existingPassword) {
        makeFolder(folder);
        writePassword(folder);
    }

    const QString path = place(folder) + QLatin1Char('/');
    const QString message = ProgramFolder::prepare({ProgramFolder::Source(source), path});
    QCOMPARE(message.isEmpty(), ready);
    if (!ready) {
        QVERIFY2(message.startsWith(QLatin1String("Attenzione:")), qPrintable(message));
        QVERIFY2(message.contains(QDir::toNativeSeparators(place(folder))), qPrintable(message));
        return;
    }
    QVERIFY(QFileInfo(path).isDir());
    const PasswordStore store(path);
    QCOMPARE(QFileInfo::exists(store.filePath()), !password.isEmpty());
    if (!password.isEmpty())
        QCOMPARE(store.read().value_or(QString()), password);
}

void TestProgramFolder::systemFolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("system");

    QTest::newRow("/usr/bin") << "/usr/bin" << true;
    QTest::newRow("/usr/local/bin") << "/usr/local/bin/" << true;
    QTest::newRow("/opt") << "/opt/vacanzio" << true;
    QTest::newRow("a bin folder anywhere") << "/tmp/radice/usr/bin" << true;
    QTest::newRow("home folder") << "/home/mario/Vacanzio" << false;
    QTest::newRow("USB stick") << "/media/mario/CHIAVETTA/Vacanzio" << false;
    QTest::newRow("a name that only begins like one") << "/usrdati/Vacanzio" << false;
    QTest::newRow("a folder called binari") << "/home/mario/binari" << false;
}

void TestProgramFolder::systemFolders()
{
    QFETCH(QString, folder);
    QFETCH(bool, system);
    QCOMPARE(ProgramFolder::isSystemFolder(folder), system);
}

void TestProgramFolder::documentationFolder_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("documentation");

    QTest::newRow("installed") << "/usr/bin" << "/usr/share/doc/vacanzio/";
    QTest::newRow("unpacked elsewhere") << "/tmp/radice/usr/bin/" << "/tmp/radice/usr/share/doc/vacanzio/";
    QTest::newRow("portable copy") << "/media/mario/CHIAVETTA/Vacanzio" << "";
}

void TestProgramFolder::documentationFolder()
{
    QFETCH(QString, executable);
    QFETCH(QString, documentation);
    QCOMPARE(ProgramFolder::documentationFolder(executable), documentation);
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
