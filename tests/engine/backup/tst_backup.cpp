#include "engine/archive/RecordLayouts.h"
#include "engine/backup/AutomaticCopies.h"
#include "engine/backup/Backup.h"
#include "engine/backup/DataFiles.h"
#include "engine/backup/Restore.h"
#include "engine/guests/GuestArchive.h"
#include "engine/properties/PropertyCodes.h"
#include "engine/zip/ZipReader.h"
#include "engine/zip/ZipWriter.h"

#include "ArchiveFixture.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Backups, restores and the automatic copies, on program folders made here.

namespace {

using Files = QMap<QString, QByteArray>;



// Every file under `folder`, by relative path, with its content.
Files everything(const QString &folder)
{
    Files files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(root.relativeFilePath(path), TestFiles::read(path));
    }
    return files;
}

QByteArray landlord(const QString &name)
{
    return ArchiveFixture::record(RecordLayouts::locatore(), {{QStringLiteral("Locatore"), name.toLatin1()}});
}


const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 30));

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void dataFiles_data();
    void dataFiles();
    void backupFileNames();
    void backupHoldsEveryDataFile();
    void backupWhileAnotherCopyAppends();
    void restoreReplacesAndKeepsTheReplaced();
    void damagedCopyIsRefusedWithNothingChanged_data();
    void damagedCopyIsRefusedWithNothingChanged();
    void restoreOnAFullDiskLeavesTheOldFiles();
    void restoreFailingMidwayPutsThePreviousFilesBack();
    void automaticCopiesKeepTheLastTen();

private:
    QString data(const QString &name = QString()) const { return m_data->path() + QLatin1Char('/') + name; }
    QString outside(const QString &name) const { return m_outside->filePath(name); }
    // A program folder with one file of each kind the program keeps, and
    // some it does not.
    void fillProgramFolder();

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_outside;
};

void TestBackup::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    m_outside = std::make_unique<QTemporaryDir>();
    QVERIFY(m_data->isValid() && m_outside->isValid());
}

void TestBackup::fillProgramFolder()
{
    QVERIFY(ArchiveFixture::write(data(QStringLiteral("Archivio_Locatori.pro")),
                                  {landlord(QStringLiteral("Rossi")), landlord(QStringLiteral("Bianchi"))}));
    QVERIFY(ArchiveFixture::write(data(QStringLiteral("Archivio_Ospiti.pro")),
                                  {GuestArchive::layout().encode({QStringLiteral("Verdi")})}));
    QVERIFY(ArchiveFixture::write(data(QStringLiteral("2026.ric")),
                                  {ArchiveFixture::record(RecordLayouts::ricevuta(), {})}));
    QVERIFY(TestFiles::write(data(QStringLiteral("unins000.dll")), "[Accesso]\r\nValore=xyz\r\n"));
    QVERIFY(TestFiles::write(data(QStringLiteral("Rovoziv.ini")), "[Contratti Locazione]\r\nLuogo=Rimini\r\n"));
    QVERIFY(ArchiveFixture::write(data(QStringLiteral("Codici_Immobili.dat")),
                                  {ArchiveFixture::record(PropertyCodes::layout(), {{QStringLiteral("CIN"), "IT042"}})}));
    QVERIFY(TestFiles::write(data(QStringLiteral("Logo.bmp")), TestFiles::noise(5000, 7)));
    QVERIFY(TestFiles::write(data(QStringLiteral("Documenti_Allegati/contratto firmato.pdf")), TestFiles::noise(20000, 8)));
    QVERIFY(TestFiles::write(data(QStringLiteral("Tabelle_Questura/comuni.csv")), "Codice;Descrizione\r\n"));
    // What the program makes but does not keep.
    QVERIFY(TestFiles::write(data(QStringLiteral("Archivio_Locatori.xls")), "<table>"));
    QVERIFY(TestFiles::write(data(QStringLiteral("Guida.pdf")), "%PDF-1.4"));
    QVERIFY(TestFiles::write(data(QStringLiteral("Copie/Vacanzio 2026-01-01 10-00.zip")), "vecchia"));
}

void TestBackup::dataFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<int>("recordSize");  // 0: not an archive

    QTest::newRow("landlords") << "Archivio_Locatori.pro" << true << 3479;
    QTest::newRow("tenants") << "Archivio_Conduttori.pro" << true << 3628;
    QTest::newRow("contracts") << "Archivio_Contratti.pro" << true << 2751;
    QTest::newRow("guests") << "Archivio_Ospiti.pro" << true << GuestArchive::layout().recordSize();
    QTest::newRow("receipts of a year") << "2026.ric" << true << 1528;
    QTest::newRow("password") << "unins000.dll" << true << 0;
    QTest::newRow("contract settings") << "Rovoziv.ini" << true << 0;
    QTest::newRow("receipt settings") << "Ricevute_Generiche.ini" << true << 0;
    QTest::newRow("a settings file to come") << "Imposta_Soggiorno.ini" << true << 0;
    QTest::newRow("property codes") << "Codici_Immobili.dat" << true << PropertyCodes::layout().recordSize();
    QTest::newRow("tourist tax rules, written whole") << "Imposta_Soggiorno.dat" << true << 0;
    QTest::newRow("a data file to come") << "Nuovi_Dati.dat" << true << 0;
    QTest::newRow("logo") << "Logo.bmp" << true << 0;
    QTest::newRow("attachment") << "Documenti_Allegati/contratto.pdf" << true << 0;
    QTest::newRow("police table") << "Tabelle_Questura/comuni.csv" << true << 0;
    QTest::newRow("export") << "Archivio_Locatori.xls" << false << 0;
    QTest::newRow("guide") << "Guida.pdf" << false << 0;
    QTest::newRow("automatic copy") << "Copie/Vacanzio 2026-01-01 10-00.zip" << false << 0;
    QTest::newRow("replaced file") << "Sostituiti 2026-01-01 10-00/Rovoziv.ini" << false << 0;
    QTest::newRow("settings in a subfolder") << "Documenti/Rovoziv.ini" << false << 0;
    QTest::newRow("attachment's subfolder") << "Documenti_Allegati/vecchi/a.pdf" << false << 0;
    QTest::newRow("out of the folder") << "../Rovoziv.ini" << false << 0;
    QTest::newRow("out through a known folder") << "Documenti_Allegati/../../x.ini" << false << 0;
    QTest::newRow("the folder itself") << "Documenti_Allegati/.." << false << 0;
    QTest::newRow("absolute") << "/etc/vacanzio.ini" << false << 0;
    QTest::newRow("backslash") << "Documenti_Allegati\\..\\x.ini" << false << 0;
    QTest::newRow("empty part") << "Documenti_Allegati//a.pdf" << false << 0;
}

void TestBackup::dataFiles()
{
    QFETCH(QString, name);
    QFETCH(bool, kept);
    QFETCH(int, recordSize);

    const DataFiles::Rule *rule = DataFiles::ruleFor(name);
    QCOMPARE(rule != nullptr, kept);
    if (rule)
        QCOMPARE(rule->layout ? rule->layout->recordSize() : 0, recordSize);
}

void TestBackup::backupFileNames()
{
    QVERIFY(Backup::isFileName(Backup::fileName(kNow)));
    QVERIFY(Backup::isFileName(QStringLiteral("Vacanzio 2026-03-29 02-30.zip")));
    for (const char *other : {"Vacanzio 2026-12-09 10-30.zip.bak", "Vacanzio 2026-12-09.zip", "vacanzio 2026-12-09 10-30.zip",
                              "Vacanzio 2026-1-09 10-30.zip", "Vacanzio 2026-12-09  10-30.zip", "Vacanzio .zip",
                              "Vacanzio 2026-12-09 10-30 (2).zip", "appunti.txt"})
        QVERIFY2(!Backup::isFileName(QString::fromLatin1(other)), other);
}

void TestBackup::backupHoldsEveryDataFile()
{
    fillProgramFolder();
    const QString zip = outside(Backup::fileName(kNow));
    QCOMPARE(QFileInfo(zip).fileName(), QStringLiteral("Vacanzio 2026-12-09 10-30.zip"));
    QVERIFY(Backup::write(data(), zip));

    ZipReader reader(zip);
    QVERIFY(reader.verifyAll());
    QStringList names = reader.names();
    names.sort();
    const QStringList expected = {
        QStringLiteral("2026.ric"), QStringLiteral("Archivio_Locatori.pro"), QStringLiteral("Archivio_Ospiti.pro"),
        QStringLiteral("Codici_Immobili.dat"), QStringLiteral("Documenti_Allegati/contratto firmato.pdf"),
        QStringLiteral("Logo.bmp"), QStringLiteral("Rovoziv.ini"), QStringLiteral("Tabelle_Questura/comuni.csv"),
        QStringLiteral("unins000.dll"),
    };
    QCOMPARE(names, expected);
    for (const QString &name : expected)
        QCOMPARE(reader.read(name).value_or(QByteArray()), TestFiles::read(data(name)));
}

void TestBackup::backupWhileAnotherCopyAppends()
{
    // Another copy of the program saves new cards all the while: each
    // backup holds whole records only, each one as it was written.
    const int recordSize = RecordLayouts::locatore().recordSize();
    constexpr int kRecords = 400;
    const QString archive = data(QStringLiteral("Archivio_Locatori.pro"));
    QVERIFY(TestFiles::write(data(QStringLiteral("unins000.dll")), "[Accesso]\r\n"));
    QVERIFY(TestFiles::write(archive, QByteArray()));
    QProcess other;
    other.start(QStringLiteral(APPEND_WORKER),
                {archive, QString::number(recordSize), QString::number(kRecords), QStringLiteral("B"),
                 QStringLiteral("1")});
    QVERIFY(other.waitForStarted());

    int backups = 0;
    int takenMidway = 0;
    while (other.state() != QProcess::NotRunning || backups == 0) {
        const QString zip = outside(QStringLiteral("copia%1.zip").arg(backups++));
        QVERIFY(Backup::write(data(), zip));
        ZipReader reader(zip);
        QVERIFY(reader.open());
        const QByteArray bytes = reader.read(QStringLiteral("Archivio_Locatori.pro")).value_or(QByteArray("?"));
        QCOMPARE(bytes.size() % recordSize, 0);
        const int records = int(bytes.size() / recordSize);
        if (records > 0 && records < kRecords)
            ++takenMidway;
        for (int k = 0; k < records; ++k) {
            QByteArray expected = "B-" + QByteArray::number(k);
            expected.resize(recordSize, '.');
            QCOMPARE(bytes.mid(qsizetype(k) * recordSize, recordSize), expected);
        }
        QFile::remove(zip);
        other.waitForFinished(20);
    }
    QCOMPARE(other.exitCode(), 0);
    QVERIFY2(takenMidway > 0, "no backup was taken while the other copy was saving");
}

void TestBackup::restoreReplacesAndKeepsTheReplaced()
{
    fillProgramFolder();
    const QString zip = outside(QStringLiteral("copia.zip"));
    QVERIFY(Backup::write(data(), zip));
    const Files backedUp = everything(data());

    // Work after the backup: a new card, a new setting, a new attachment.
    QVERIFY(ArchiveFixture::write(data(QStringLiteral("Archivio_Locatori.pro")),
                                  {landlord(QStringLiteral("Rossi")), landlord(QStringLiteral("Bianchi")),
                                   landlord(QStringLiteral("Neri"))}));
    QVERIFY(TestFiles::write(data(QStringLiteral("Rovoziv.ini")), "[Contratti Locazione]\r\nLuogo=Cesena\r\n"));
    QVERIFY(TestFiles::write(data(QStringLiteral("Documenti_Allegati/nuovo.pdf")), "nuovo"));
    const Files before = everything(data());

    const Restore::Inspection inspection = Restore::inspect(zip);
    QVERIFY2(inspection.usable(), qPrintable(inspection.problem));
    QCOMPARE(inspection.items.size(), 9);
    const QString description = Restore::describe(inspection.items);
    QVERIFY2(description.contains(QStringLiteral("Archivio_Locatori.pro: 2 schede, ")), qPrintable(description));
    QVERIFY2(description.contains(QStringLiteral("Documenti_Allegati: 1 file")), qPrintable(description));

    const Restore::Outcome outcome = Restore::apply(data(), zip, kNow);
    QVERIFY(outcome.restored);
    QCOMPARE(QFileInfo(outcome.replacedFolder).fileName(), QStringLiteral("Sostituiti 2026-12-09 10-30"));

    // The program's files are the copy's; the replaced ones, the new
    // attachment among them, are kept; nothing else is left behind.
    Files after = everything(data());
    Files replaced;
    for (auto file = after.begin(); file != after.end();) {
        if (file.key().startsWith(QLatin1String("Sostituiti 2026-12-09 10-30/"))) {
            replaced.insert(file.key().section(QLatin1Char('/'), 1), file.value());
            file = after.erase(file);
        } else {
            ++file;
        }
    }
    QCOMPARE(after, backedUp);
    Files keptBefore;
    for (auto file = before.cbegin(); file != before.cend(); ++file) {
        if (DataFiles::ruleFor(file.key()))
            keptBefore.insert(file.key(), file.value());
    }
    QCOMPARE(replaced, keptBefore);
}

void TestBackup::damagedCopyIsRefusedWithNothingChanged_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("problem");  // a piece of the message

    QTest::newRow("a byte changed") << "flip" << "danneggiata";
    QTest::newRow("cut short") << "cut" << "non è una copia";
    QTest::newRow("not a zip") << "text" << "non è una copia";
    QTest::newRow("a name the program does not keep") << "unknown" << "non usa";
    QTest::newRow("a path out of the folder") << "escape" << "non usa";
    QTest::newRow("half a record") << "half" << "schede intere";
    QTest::newRow("half a property codes record") << "half codes" << "schede intere";
    QTest::newRow("only files of other programs") << "others" << "non usa";
}

void TestBackup::damagedCopyIsRefusedWithNothingChanged()
{
    QFETCH(QString, damage);
    QFETCH(QString, problem);

    fillProgramFolder();
    const QString zip = outside(QStringLiteral("copia.zip"));
    const QDateTime when = QDateTime::currentDateTime();
    const auto fixed = [](const QByteArray &bytes) { return [bytes] { return std::optional<QByteArray>(bytes); }; };
    ZipWriter writer(zip);
    writer.add(QStringLiteral("Documenti_Allegati/foto.jpg"), when, fixed(TestFiles::noise(60000, 9)));
    writer.add(QStringLiteral("Rovoziv.ini"), when, fixed("[Contratti Locazione]\r\n"));
    if (damage == QLatin1String("unknown"))
        writer.add(QStringLiteral("vacanzio"), when, fixed("#!/bin/sh\n"));
    if (damage == QLatin1String("escape"))
        writer.add(QStringLiteral("Documenti_Allegati/../../fuori.ini"), when, fixed("x"));
    if (damage == QLatin1String("half"))
        writer.add(QStringLiteral("Archivio_Locatori.pro"), when, fixed(landlord(QStringLiteral("Rossi")).left(1000)));
    if (damage == QLatin1String("half codes"))
        writer.add(QStringLiteral("Codici_Immobili.dat"), when,
                   fixed(ArchiveFixture::record(PropertyCodes::layout(), {}).repeated(2).chopped(40)));
    if (damage == QLatin1String("others")) {
        ZipWriter other(zip);
        other.add(QStringLiteral("leggimi.txt"), when, fixed("x"));
        QVERIFY(other.write());
    } else {
        QVERIFY(writer.write());
    }
    QByteArray bytes = TestFiles::read(zip);
    if (damage == QLatin1String("flip"))
        bytes[20000] = char(bytes[20000] ^ 0x55);
    if (damage == QLatin1String("cut"))
        bytes.chop(100);
    if (damage == QLatin1String("text"))
        bytes = "Questa non è una copia.";
    QVERIFY(TestFiles::write(zip, bytes));

    const Files before = everything(data());
    const Restore::Inspection inspection = Restore::inspect(zip);
    QVERIFY(!inspection.usable());
    QVERIFY2(inspection.problem.contains(problem), qPrintable(inspection.problem));
    QVERIFY(inspection.problem.startsWith(QLatin1String("Attenzione:")));
    QVERIFY(!Restore::apply(data(), zip, kNow).restored);
    QCOMPARE(everything(data()), before);
    QVERIFY(!QFileInfo::exists(outside(QStringLiteral("fuori.ini"))));
    QVERIFY(!QFileInfo::exists(m_outside->path() + QStringLiteral("/../fuori.ini")));
}

void TestBackup::restoreOnAFullDiskLeavesTheOldFiles()
{
    // A copy with an archive larger than the disk has room for.
    fillProgramFolder();
    QList<QByteArray> many;
    for (int k = 0; k < 300; ++k)
        many.append(landlord(QStringLiteral("Locatore %1").arg(k)));
    QVERIFY(ArchiveFixture::write(data(QStringLiteral("Archivio_Locatori.pro")), many));
    const QString zip = outside(QStringLiteral("copia.zip"));
    QVERIFY(Backup::write(data(), zip));
    QVERIFY(ArchiveFixture::write(data(QStringLiteral("Archivio_Locatori.pro")), {landlord(QStringLiteral("Solo"))}));
    QVERIFY(TestFiles::write(data(QStringLiteral("Rovoziv.ini")), "[Contratti Locazione]\r\nLuogo=Cesena\r\n"));
    const Files before = everything(data());

    bool restored = true;
    {
        FileSizeLimit diskFull(256 * 1024);
        QVERIFY(diskFull.isActive());
        restored = Restore::apply(data(), zip, kNow).restored;
    }
    QVERIFY(!restored);
    QCOMPARE(everything(data()), before);
    QCOMPARE(QDir(data()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("Copie"), QStringLiteral("Documenti_Allegati"),
                          QStringLiteral("Tabelle_Questura")}));
}

void TestBackup::restoreFailingMidwayPutsThePreviousFilesBack()
{
    fillProgramFolder();
    const QString zip = outside(QStringLiteral("copia.zip"));
    QVERIFY(Backup::write(data(), zip));
    // After the backup, the settings file's name is taken by a folder: the
    // archives go in first, then the settings cannot.
    QVERIFY(ArchiveFixture::write(data(QStringLiteral("Archivio_Locatori.pro")), {landlord(QStringLiteral("Solo"))}));
    QVERIFY(QFile::remove(data(QStringLiteral("Rovoziv.ini"))));
    QVERIFY(TestFiles::write(data(QStringLiteral("Rovoziv.ini/dentro.txt")), "occupato"));
    QVERIFY(TestFiles::write(data(QStringLiteral("Documenti_Allegati/nuovo.pdf")), "nuovo"));
    const Files before = everything(data());

    QVERIFY(!Restore::apply(data(), zip, kNow).restored);
    QCOMPARE(everything(data()), before);
    QVERIFY(!QFileInfo::exists(data(Restore::replacedFolderName(kNow))));
}

void TestBackup::automaticCopiesKeepTheLastTen()
{
    fillProgramFolder();
    QVERIFY(QFile::remove(data(QStringLiteral("Copie/Vacanzio 2026-01-01 10-00.zip"))));
    const QString copies = data(AutomaticCopies::folderName());
    // A file of the user's own in the folder is never removed.
    QVERIFY(TestFiles::write(copies + QStringLiteral("/appunti.txt"), "mie note"));

    QStringList taken;
    for (int run = 0; run < 13; ++run) {
        const DataFiles::Snapshot atStart = DataFiles::snapshot(data());
        const QDateTime end = kNow.addSecs(3600 * run);
        // Every third run changes nothing.
        const bool changes = run % 3 != 2;
        if (changes) {
            QList<QByteArray> records;
            for (int k = 0; k <= run; ++k)
                records.append(landlord(QStringLiteral("Locatore %1").arg(k)));
            QVERIFY(ArchiveFixture::write(data(QStringLiteral("Archivio_Locatori.pro")), records));
            taken.append(Backup::fileName(end));
        }
        QCOMPARE(AutomaticCopies::takeIfChanged(data(), atStart, end),
                 changes ? AutomaticCopies::Outcome::Written : AutomaticCopies::Outcome::Unchanged);
    }
    QCOMPARE(taken.size(), 9);
    // One more run with a change: ten copies, then eleven would be one too many.
    for (int run = 13; run < 16; ++run) {
        const DataFiles::Snapshot atStart = DataFiles::snapshot(data());
        QVERIFY(TestFiles::write(data(QStringLiteral("Rovoziv.ini")), QByteArray("Luogo=") + QByteArray::number(run)));
        const QDateTime end = kNow.addSecs(3600 * run);
        taken.append(Backup::fileName(end));
        QCOMPARE(AutomaticCopies::takeIfChanged(data(), atStart, end), AutomaticCopies::Outcome::Written);
    }
    QStringList zips = QDir(copies).entryList({QStringLiteral("*.zip")}, QDir::Files, QDir::Name);
    QCOMPARE(zips, taken.mid(taken.size() - AutomaticCopies::kKept));
    QVERIFY(QFileInfo::exists(copies + QStringLiteral("/appunti.txt")));
    // The newest holds the files as they are now.
    ZipReader newest(QDir(copies).filePath(zips.constLast()));
    QVERIFY(newest.verifyAll());
    QCOMPARE(newest.read(QStringLiteral("Rovoziv.ini")).value_or(QByteArray()), QByteArray("Luogo=15"));
    // The copies are not part of what the program keeps.
    QVERIFY(!DataFiles::list(data()).join(u',').contains(QLatin1String("Copie")));
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
