#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "LogCapture.h"
#include "TestFiles.h"
#include "engine/guests/PoliceTableStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <memory>

namespace {

// Two comuni, as the portal's web service gives them: semicolons, no
// header, no end dates.
const QByteArray kNewerComuni = "408099014;RIMINI;RN\r\n499999001;NUOVO COMUNE;RN\r\n";
const QString kMilano = QStringLiteral("403015146");  // in the built-in table only

} // namespace

class TestPoliceTableStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void builtInWhenNothingLoaded();
    void loadSemicolonTableWithoutHeader();
    void loadedCopyPreferredAtStart();
    void malformedFileRefusedWithItsLine();
    void unreadableFileRefused();
    void copyThatCannotBeWrittenChangesNothing();
    void copyCutByAFullDiskChangesNothing();
    void damagedLoadedCopyFallsBack();
    void restoreBuiltIn();

private:
    QString chosenFile(const QByteArray &bytes);

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QTemporaryDir> m_elsewhere;
    int m_files = 0;
};

void TestPoliceTableStore::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_elsewhere = std::make_unique<QTemporaryDir>();
}

void TestPoliceTableStore::cleanup()
{
    m_elsewhere.reset();
    m_platform.reset();
}

// A file the user might choose, outside the program folder.
QString TestPoliceTableStore::chosenFile(const QByteArray &bytes)
{
    const QString path = m_elsewhere->filePath(QStringLiteral("scaricato%1.csv").arg(++m_files));
    if (!TestFiles::write(path, bytes))
        qFatal("cannot prepare %s", qPrintable(path));
    return path;
}

void TestPoliceTableStore::builtInWhenNothingLoaded()
{
    QVERIFY(!PoliceTableStore::hasLoadedCopies());
    const QList<PoliceTableStatus> status = PoliceTableStore::status();
    QCOMPARE(status.size(), 4);
    const QList<int> rows = {11284, 236, 95, 5};
    for (int i = 0; i < status.size(); ++i) {
        QCOMPARE(status.at(i).kind, PoliceTable::allKinds().at(i));
        QCOMPARE(status.at(i).source, PoliceTableSource::BuiltIn);
        QCOMPARE(status.at(i).rows, rows.at(i));
    }
    QCOMPARE(PoliceTableStore::folder(), m_platform->filePath(QStringLiteral("Tabelle_Questura/")));
}

void TestPoliceTableStore::loadSemicolonTableWithoutHeader()
{
    const std::shared_ptr<const PoliceCodes> before = PoliceTableStore::codes();
    QVERIFY(before->place(kMilano));

    QCOMPARE(PoliceTableStore::load(PoliceTableKind::Comuni, chosenFile(kNewerComuni)), QString());

    const QString kept = m_platform->filePath(QStringLiteral("Tabelle_Questura/comuni.csv"));
    QCOMPARE(TestFiles::read(kept), kNewerComuni);
    QCOMPARE(QDir(m_platform->filePath(QStringLiteral("Tabelle_Questura"))).entryList(QDir::Files),
             QStringList{QStringLiteral("comuni.csv")});
    QVERIFY(PoliceTableStore::hasLoadedCopies());

    const PoliceTableStatus comuni = PoliceTableStore::status(PoliceTableKind::Comuni);
    QCOMPARE(comuni.source, PoliceTableSource::Loaded);
    QCOMPARE(comuni.rows, 2);
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::States).source, PoliceTableSource::BuiltIn);

    const std::shared_ptr<const PoliceCodes> after = PoliceTableStore::codes();
    QCOMPARE(after->comuneCount(), 2);
    QCOMPARE(after->displayText(QStringLiteral("499999001")), QStringLiteral("NUOVO COMUNE (RN)"));
    QVERIFY(!after->place(kMilano));
    // The other tables are still the built-in ones.
    QCOMPARE(after->stateCount(), 236);
    // A holder of the old tables keeps them.
    QVERIFY(before->place(kMilano));
}

void TestPoliceTableStore::loadedCopyPreferredAtStart()
{
    const QString folder = m_platform->filePath(QStringLiteral("Tabelle_Questura"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(TestFiles::write(folder + QStringLiteral("/documenti.csv"), "Codice,Descrizione\r\nPASOR,PASSAPORTO\r\n"));

    const std::shared_ptr<const PoliceCodes> codes = PoliceTableStore::codes();
    QCOMPARE(codes->documentTypeCount(), 1);
    QCOMPARE(codes->documentTypeName(QStringLiteral("PASOR")), QStringLiteral("PASSAPORTO"));
    QVERIFY(!codes->hasDocumentType(QStringLiteral("IDENT")));
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::DocumentTypes).source, PoliceTableSource::Loaded);
    QCOMPARE(codes->comuneCount(), 11284);
}

void TestPoliceTableStore::malformedFileRefusedWithItsLine()
{
    QCOMPARE(PoliceTableStore::load(PoliceTableKind::Comuni, chosenFile(kNewerComuni)), QString());
    const QString kept = m_platform->filePath(QStringLiteral("Tabelle_Questura/comuni.csv"));

    const QByteArray malformed = "408099014;RIMINI;RN\n408099013;RICCIONE;RN\n40809901;CATTOLICA;RN\n";
    QCOMPARE(PoliceTableStore::load(PoliceTableKind::Comuni, chosenFile(malformed)),
             QStringLiteral("Riga 3: il codice \"40809901\" non è di 9 cifre."));

    // The tables in use are the ones before.
    QCOMPARE(TestFiles::read(kept), kNewerComuni);
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::Comuni).rows, 2);
    QVERIFY(PoliceTableStore::codes()->place(QStringLiteral("499999001")));

    // Refused on the built-in tables too, nothing is written.
    QVERIFY(PoliceTableStore::restoreBuiltIn());
    QVERIFY(!PoliceTableStore::load(PoliceTableKind::States, chosenFile(malformed)).isEmpty());
    QVERIFY(!PoliceTableStore::hasLoadedCopies());
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::States).rows, 236);
}

void TestPoliceTableStore::unreadableFileRefused()
{
    QCOMPARE(PoliceTableStore::load(PoliceTableKind::Comuni, m_elsewhere->filePath(QStringLiteral("manca.csv"))),
             QStringLiteral("Il file non si può leggere."));
    QVERIFY(!PoliceTableStore::hasLoadedCopies());
}

void TestPoliceTableStore::copyThatCannotBeWrittenChangesNothing()
{
    // A file where the folder should be: the folder cannot be made.
    QVERIFY(TestFiles::write(m_platform->filePath(QStringLiteral("Tabelle_Questura")), "not a folder"));
    LogCapture log;
    const QString error = PoliceTableStore::load(PoliceTableKind::Comuni, chosenFile(kNewerComuni));
    QVERIFY2(error.contains(QStringLiteral("Tabelle_Questura")), qPrintable(error));
    QCOMPARE(log.messages(QStringLiteral("vacanzio.guests")).size(), 1);
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::Comuni).source, PoliceTableSource::BuiltIn);
    QCOMPARE(PoliceTableStore::codes()->comuneCount(), 11284);
}

void TestPoliceTableStore::copyCutByAFullDiskChangesNothing()
{
    const QString chosen = chosenFile(kNewerComuni);
    QString error;
    {
        // The disk fills after 20 bytes of the copy.
        FileSizeLimit diskFull(20);
        QVERIFY(diskFull.isActive());
        error = PoliceTableStore::load(PoliceTableKind::Comuni, chosen);
    }
    QVERIFY2(error.contains(QStringLiteral("Tabelle_Questura")), qPrintable(error));
    QVERIFY(!QFileInfo::exists(m_platform->filePath(QStringLiteral("Tabelle_Questura/comuni.csv"))));
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::Comuni).source, PoliceTableSource::BuiltIn);
    QCOMPARE(PoliceTableStore::codes()->comuneCount(), 11284);
}

void TestPoliceTableStore::damagedLoadedCopyFallsBack()
{
    // A loaded copy changed behind the program's back, found at start.
    const QString folder = m_platform->filePath(QStringLiteral("Tabelle_Questura"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(TestFiles::write(folder + QStringLiteral("/stati.csv"), "100000100;ITALIA;ES\n1000;FRANCIA;ES\n"));
    QVERIFY(TestFiles::write(folder + QStringLiteral("/comuni.csv"), kNewerComuni));

    LogCapture log;
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::States).source, PoliceTableSource::DamagedLoaded);
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::States).rows, 236);
    QCOMPARE(PoliceTableStore::codes()->stateCount(), 236);
    // The good copy of another table is still preferred.
    QCOMPARE(PoliceTableStore::status(PoliceTableKind::Comuni).source, PoliceTableSource::Loaded);
    QCOMPARE(PoliceTableStore::codes()->comuneCount(), 2);
    const QStringList logged = log.messages(QStringLiteral("vacanzio.guests"));
    QCOMPARE(logged.size(), 1);
    QVERIFY2(logged.first().contains(QStringLiteral("Riga 2")), qPrintable(logged.first()));
    QVERIFY(PoliceTableStore::hasLoadedCopies());
}

void TestPoliceTableStore::restoreBuiltIn()
{
    QCOMPARE(PoliceTableStore::load(PoliceTableKind::Comuni, chosenFile(kNewerComuni)), QString());
    QCOMPARE(PoliceTableStore::load(PoliceTableKind::GuestTypes,
                                    chosenFile("16;A\n17;B\n18;C\n19;D\n20;E\n")), QString());
    QCOMPARE(PoliceTableStore::codes()->guestTypeName(GuestType::FamilyMember), QStringLiteral("D"));

    QVERIFY(PoliceTableStore::restoreBuiltIn());
    QVERIFY(!PoliceTableStore::hasLoadedCopies());
    QVERIFY(!QFileInfo::exists(m_platform->filePath(QStringLiteral("Tabelle_Questura"))));
    for (const PoliceTableStatus &status : PoliceTableStore::status())
        QCOMPARE(status.source, PoliceTableSource::BuiltIn);
    QCOMPARE(PoliceTableStore::codes()->comuneCount(), 11284);
    QCOMPARE(PoliceTableStore::codes()->guestTypeName(GuestType::FamilyMember), QStringLiteral("FAMILIARE"));
}

QTEST_GUILESS_MAIN(TestPoliceTableStore)
#include "tst_policetablestore.moc"
