#include "FileSizeLimit.h"
#include "engine/settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// Written as a Windows user would leave it: CRLF line ends, comments of
// both kinds, blanks around '=', an empty line between sections.
const QByteArray kHandWritten =
    "; Impostazioni di Vacanzio\r\n"
    "[Contratti Locazione]\r\n"
    "Luogo=Roma\r\n"
    "# scritto a mano\r\n"
    "[Ricevente]\r\n"
    "Rigo 1=Mario Rossi\r\n"
    "Rigo 2 = Via Verdi 3 \r\n"
    ";Rigo 3=commentato\r\n"
    "\r\n"
    "[Numerazione Ricevute]\r\n"
    "Ultimo=12\r\n"
    "Luogo=Milano\r\n";

const QString kFallback = QStringLiteral("<assente>");


} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsHandWrittenFile_data();
    void readsHandWrittenFile();
    void missingFileReadsFallback();
    void writingKeepsEverythingElse();
    void writingCreatesWhatIsMissing_data();
    void writingCreatesWhatIsMissing();
    void rewritingReplacesTheLine();
    void keysWithBlanksAreWrittenAsTheyStand();
    void windows1252RoundTrip();
    void writingIntoMissingFolderFails();
    void shortWriteFailsAndKeepsOldFile();

private:
    QString path() const { return m_dir->path() + QStringLiteral("/Impostazioni.ini"); }
    void writeRaw(const QByteArray &bytes);
    QByteArray readRaw() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIniFile::writeRaw(const QByteArray &bytes)
{
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestIniFile::readRaw() const
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestIniFile::readsHandWrittenFile_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Contratti Locazione" << "Luogo" << "Roma";
    QTest::newRow("names in other case") << "CONTRATTI locazione" << "lUOGO" << "Roma";
    QTest::newRow("key with a blank") << "ricevente" << "RIGO 1" << "Mario Rossi";
    QTest::newRow("blanks around '=' and value") << "Ricevente" << "Rigo 2" << "Via Verdi 3";
    QTest::newRow("same key, other section") << "Numerazione Ricevute" << "Luogo" << "Milano";
    QTest::newRow("commented-out key") << "Ricevente" << "Rigo 3" << kFallback;
    QTest::newRow("key of another section") << "Ricevente" << "Ultimo" << kFallback;
    QTest::newRow("missing section") << "Accesso" << "Valore" << kFallback;
    QTest::newRow("comment is no section") << "Impostazioni di Vacanzio" << "Luogo" << kFallback;
}

void TestIniFile::readsHandWrittenFile()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeRaw(kHandWritten);
    QCOMPARE(IniFile(path()).readString(section, key, kFallback), expected);
}

void TestIniFile::missingFileReadsFallback()
{
    const IniFile file(path());
    QCOMPARE(file.readString(QStringLiteral("Accesso"), QStringLiteral("Valore"), kFallback), kFallback);
    QCOMPARE(file.readString(QStringLiteral("Accesso"), QStringLiteral("Valore")), QString());
    QVERIFY(!QFileInfo::exists(path()));
}

void TestIniFile::writingKeepsEverythingElse()
{
    writeRaw(kHandWritten);
    QVERIFY(IniFile(path()).writeString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 2"),
                                        QStringLiteral("Piazza Dante 1")));
    QByteArray expected = kHandWritten;
    expected.replace("Rigo 2 = Via Verdi 3 \r\n", "Rigo 2=Piazza Dante 1\r\n");
    QCOMPARE(readRaw(), expected);
    // Nothing but the file itself is left in the folder.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Impostazioni.ini")});
}

void TestIniFile::writingCreatesWhatIsMissing_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("missing file") << QByteArray() << "Accesso" << "Valore"
                                  << QByteArray("[Accesso]\r\nValore=94\r\n");
    QTest::newRow("missing section")
        << kHandWritten << "Accesso" << "Valore" << kHandWritten + "\r\n[Accesso]\r\nValore=94\r\n";
    // The new key joins the end of its section, before the empty line.
    QTest::newRow("missing key")
        << kHandWritten << "RICEVENTE" << "Rigo 4"
        << QByteArray(kHandWritten).replace(";Rigo 3=commentato\r\n",
                                            ";Rigo 3=commentato\r\nRigo 4=94\r\n");
    QTest::newRow("missing key in last section")
        << kHandWritten << "Numerazione Ricevute" << "Anno" << kHandWritten + "Anno=94\r\n";
}

void TestIniFile::writingCreatesWhatIsMissing()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        writeRaw(before);
    IniFile file(path());
    QVERIFY(file.writeString(section, key, QStringLiteral("94")));
    QCOMPARE(readRaw(), after);
    QCOMPARE(file.readString(section, key), QStringLiteral("94"));
}

void TestIniFile::rewritingReplacesTheLine()
{
    IniFile file(path());
    QVERIFY(file.writeString(QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("94")));
    QVERIFY(file.writeString(QStringLiteral("accesso"), QStringLiteral("VALORE"), QStringLiteral("9457")));
    QCOMPARE(file.readString(QStringLiteral("Accesso"), QStringLiteral("Valore")), QStringLiteral("9457"));
    QCOMPARE(readRaw().count("9457"), 1);
    QCOMPARE(readRaw().count("=94\r\n"), 0);
    QCOMPARE(readRaw().count("[") , 1);
}

void TestIniFile::keysWithBlanksAreWrittenAsTheyStand()
{
    IniFile file(path());
    QVERIFY(file.writeString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 1"),
                             QStringLiteral("Mario Rossi, Via Roma 1")));
    QVERIFY(file.writeString(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Primo numero"),
                             QStringLiteral("1")));
    QCOMPARE(readRaw(), QByteArray("[Ricevente]\r\nRigo 1=Mario Rossi, Via Roma 1\r\n\r\n"
                                   "[Numerazione Ricevute]\r\nPrimo numero=1\r\n"));
    QVERIFY(!readRaw().contains("%20"));
    QCOMPARE(file.readString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 1")),
             QStringLiteral("Mario Rossi, Via Roma 1"));
}

void TestIniFile::windows1252RoundTrip()
{
    IniFile file(path());
    QVERIFY(file.writeString(QStringLiteral("Contratti Locazione"), QStringLiteral("Luogo"),
                             QStringLiteral("Forlì")));
    QCOMPARE(readRaw(), QByteArray("[Contratti Locazione]\r\nLuogo=Forl\xEC\r\n"));
    QCOMPARE(file.readString(QStringLiteral("Contratti Locazione"), QStringLiteral("Luogo")),
             QStringLiteral("Forlì"));

    // Bytes written by another program read as the same letters; 0x80 is
    // the euro sign in this code page.
    writeRaw("[Ricevente]\r\nRigo 1=Citt\xE0 di Forl\xEC \x80\r\n");
    QCOMPARE(file.readString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 1")),
             QStringLiteral("Città di Forlì €"));
}

void TestIniFile::writingIntoMissingFolderFails()
{
    const QString folder = m_dir->path() + QStringLiteral("/assente");
    IniFile file(folder + QStringLiteral("/Impostazioni.ini"));
    QVERIFY(!file.writeString(QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("94")));
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

void TestIniFile::shortWriteFailsAndKeepsOldFile()
{
#ifdef Q_OS_UNIX
    writeRaw(kHandWritten);
    bool written = true;
    {
        // Room for the start of the new file only, as on a full disk.
        FileSizeLimit limit(16);
        QVERIFY(limit.isActive());
        written = IniFile(path()).writeString(QStringLiteral("Accesso"), QStringLiteral("Valore"),
                                              QStringLiteral("94"));
    }
    QVERIFY(!written);
    QCOMPARE(readRaw(), kHandWritten);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Impostazioni.ini")});
#else
    QSKIP("Needs a file-size limit to make the write come back short");
#endif
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
