#include "engine/password/PasswordScrambler.h"
#include "engine/password/PasswordStore.h"
#include "engine/settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The stored password, or a marker no test password uses.
QString readOrMarker(const PasswordStore &store)
{
    const std::optional<QString> password = store.read();
    return password ? *password : QStringLiteral("<read failed>");
}

} // namespace

class TestPasswordStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsFileContents_data();
    void readsFileContents();
    void missingFileReadsEmpty();
    void unreadableFileFails();
    void writesNormalizedPassword_data();
    void writesNormalizedPassword();
    void writingKeepsTheRestOfTheFile();
    void writingIntoMissingFolderFails();
    void createIfMissingWritesFreshFile();
    void createIfMissingKeepsChangedPassword();

private:
    void writeRaw(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void TestPasswordStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
}

void TestPasswordStore::writeRaw(const QByteArray &bytes)
{
    QFile file(m_folder + QStringLiteral("unins000.dll"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestPasswordStore::readsFileContents_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");
    QTest::newRow("initial password")
        << QByteArray("[Accesso]\r\nValore=97740BB56B5B206E4DC34D007950\r\n")
        << QStringLiteral("BENVENUTOPOSTA");
    QTest::newRow("names in any case") << QByteArray("[ACCESSO]\r\nvalore=9457\r\n")
                                       << QStringLiteral("AB");
    QTest::newRow("odd last digit ignored") << QByteArray("[Accesso]\r\nValore=9457A\r\n")
                                            << QStringLiteral("AB");
    // encode(" A ") scrambles the blanks too; reading trims them away.
    QTest::newRow("decoded text is trimmed")
        << QByteArray("[Accesso]\r\nValore=") + PasswordScrambler::encode(QStringLiteral(" A ")).toLatin1()
               + "\r\n"
        << QStringLiteral("A");
    QTest::newRow("section missing") << QByteArray("[Altro]\r\nValore=9457\r\n") << QString();
    QTest::newRow("key missing") << QByteArray("[Accesso]\r\nChiave=9457\r\n") << QString();
    QTest::newRow("empty value") << QByteArray("[Accesso]\r\nValore=\r\n") << QString();
    QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=94X7\r\n")
                                     << QStringLiteral("<read failed>");
}

void TestPasswordStore::readsFileContents()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    writeRaw(contents);
    QCOMPARE(readOrMarker(PasswordStore(m_folder)), expected);
}

void TestPasswordStore::missingFileReadsEmpty()
{
    const PasswordStore store(m_folder);
    QVERIFY(!QFile::exists(store.filePath()));
    QCOMPARE(readOrMarker(store), QString());
    QVERIFY(!QFile::exists(store.filePath()));
}

void TestPasswordStore::unreadableFileFails()
{
    // A folder where the file should be: there, but not readable as a file.
    QVERIFY(QDir().mkpath(m_folder + QStringLiteral("unins000.dll")));
    QVERIFY(!PasswordStore(m_folder).read().has_value());
}

void TestPasswordStore::writesNormalizedPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("stored");
    QTest::newRow("small letters") << QStringLiteral("abc") << QStringLiteral("ABC");
    QTest::newRow("blanks at the ends") << QStringLiteral("  aB\t") << QStringLiteral("AB");
    QTest::newRow("accents kept") << QStringLiteral("perchè") << QStringLiteral("PERCHè");
}

void TestPasswordStore::writesNormalizedPassword()
{
    QFETCH(QString, password);
    QFETCH(QString, stored);
    const PasswordStore store(m_folder);
    QVERIFY(store.write(password));
    QCOMPARE(IniFile(store.filePath()).readString(QStringLiteral("Accesso"), QStringLiteral("Valore")),
             PasswordScrambler::encode(stored));
    QCOMPARE(readOrMarker(store), stored);
}

void TestPasswordStore::writingKeepsTheRestOfTheFile()
{
    writeRaw("; installazione\r\n[Setup]\r\nVersione=1\r\n[Accesso]\r\nValore=9457\r\nAltro=x\r\n");
    QVERIFY(PasswordStore(m_folder).write(QStringLiteral("abc")));
    QFile file(m_folder + QStringLiteral("unins000.dll"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("; installazione\r\n[Setup]\r\nVersione=1\r\n[Accesso]\r\nValore=9457A6\r\nAltro=x\r\n"));
}

void TestPasswordStore::writingIntoMissingFolderFails()
{
    const QString folder = m_folder + QStringLiteral("assente/");
    QVERIFY(!PasswordStore(folder).write(QStringLiteral("abc")));
    QVERIFY(!QFileInfo::exists(folder));
}

void TestPasswordStore::createIfMissingWritesFreshFile()
{
    const PasswordStore store(m_folder);
    QVERIFY(store.createIfMissing(QStringLiteral("BENVENUTOPOSTA")));
    QCOMPARE(IniFile(store.filePath()).readString(QStringLiteral("Accesso"), QStringLiteral("Valore")),
             QStringLiteral("97740BB56B5B206E4DC34D007950"));
}

void TestPasswordStore::createIfMissingKeepsChangedPassword()
{
    const PasswordStore store(m_folder);
    QVERIFY(store.write(QStringLiteral("cambiata")));
    QVERIFY(store.createIfMissing(QStringLiteral("BENVENUTOPOSTA")));
    QCOMPARE(readOrMarker(store), QStringLiteral("CAMBIATA"));
}

QTEST_APPLESS_MAIN(TestPasswordStore)
#include "tst_passwordstore.moc"
