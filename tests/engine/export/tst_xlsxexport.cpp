#include "ArchiveFixture.h"
#include "FileSizeLimit.h"
#include "LogCapture.h"
#include "XlsxSheet.h"

#include "engine/archive/RecordLayouts.h"
#include "engine/export/ExportReader.h"
#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"
#include "engine/export/XlsxExport.h"
#include "engine/zip/ZipReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The .xlsx workbook, read back cell by cell: the same rows and columns as
// the .xls file, every cell text, the header bold and frozen, the widths,
// the autofilter; and a workbook that the disk cut short never replaces
// the previous one.
class TestXlsxExport : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void cellsReadBack_data();
    void cellsReadBack();
    void headerIsBoldFrozenAndFiltered();
    void columnWidthsAreTheHeaderWidths_data();
    void columnWidthsAreTheHeaderWidths();
    void emptyArchiveWritesTheHeaderOnly();
    void textsAreKeptAsTheyAre_data();
    void textsAreKeptAsTheyAre();
    void replacesThePreviousFile();
    void refusedWriteKeepsThePreviousFile_data();
    void refusedWriteKeepsThePreviousFile();
    void unwritableTargetFails();
    void leftoverOfAKilledExportIsRemoved();
    void unzipReadsTheSameParts();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    ExportRows readRows(const ExportDefinition &definition, const QList<QByteArray> &records);
    std::unique_ptr<QTemporaryDir> m_dir;
};

Q_DECLARE_METATYPE(ExportArchive)

namespace {

const ExportDefinition &receipts()
{
    return ExportTables::definition(ExportArchive::Ricevute);
}

QByteArray receipt(const QByteArray &number, const QByteArray &payer, const QByteArray &total)
{
    return ArchiveFixture::record(RecordLayouts::ricevuta(),
                                  {{"NumRic", number}, {"Data", "05/01/2026"}, {"Pagatore01", payer},
                                   {"Causale01", "Affitto"}, {"Intero", total}});
}

QStringList headersOf(const ExportDefinition &definition)
{
    QStringList headers;
    for (const ExportColumn &column : definition.columns)
        headers.append(column.headerText());
    return headers;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestXlsxExport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

ExportRows TestXlsxExport::readRows(const ExportDefinition &definition, const QList<QByteArray> &records)
{
    ExportRows rows(definition.columnCount());
    if (!ArchiveFixture::write(path("archive.pro"), records)
        || !ExportReader::read(path("archive.pro"), definition, rows))
        QTest::qFail("the fixture archive could not be written or read", __FILE__, __LINE__);
    return rows;
}

void TestXlsxExport::cellsReadBack_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<ArchiveFixture::Fields>("fields");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("landlords")
        << ExportArchive::Locatori
        << ArchiveFixture::Fields{{"Locatore", "Rossi Mario"}, {"CodFiscLoc", "RSSMRA80A01H501U"},
                                  {"PartitaIvaLoc", "01234567890"}, {"CapImm", "00184"}, {"Piano", "0"},
                                  {"Vani", "3"}, {"CodComune", "H501"}, {"Rendita", "1.234,56"},
                                  {"Note", "Citt\xe0 \x80 100"}}
        << QStringList{"Rossi Mario", "RSSMRA80A01H501U", "01234567890", "", "", "", "", "", "", "", "",
                       "Città € 100", "", "", "", "00184", "", "0", "3", "", "", "H501", "", "1.234,56", ""};
    QTest::newRow("tenants")
        << ExportArchive::Conduttori
        << ArchiveFixture::Fields{{"Conduttore", "Bianchi Anna"}, {"TelCelCon", "0039 333 1234567"},
                                  {"Posti", "04"}}
        << QStringList{"Bianchi Anna", "", "", "", "", "", "", "", "0039 333 1234567", "", "", "", "", "", "",
                       "", "", "", "", "04", "", "", ""};
    QTest::newRow("contracts")
        << ExportArchive::Contratti
        << ArchiveFixture::Fields{{"Locatore", "Rossi Mario"}, {"CapCon", "00100"}, {"CapImm", "07026"},
                                  {"DurataCon", "007"}, {"ImpCanone", "0500"}, {"Data", "01/06/2026"}}
        << QStringList{"Rossi Mario", "", "", "", "", "", "", "00100", "", "", "", "", "07026", "", "", "",
                       "007", "", "", "0500", "", "", "", "", "01/06/2026"};
    QTest::newRow("receipts")
        << ExportArchive::Ricevute
        << ArchiveFixture::Fields{{"NumRic", "0001"}, {"Data", "05/01/2026"}, {"Intero", "000120,50"}}
        << QStringList{"0001", "05/01/2026", "", "", "", "", "000120,50"};
}

void TestXlsxExport::cellsReadBack()
{
    QFETCH(ExportArchive, archive);
    QFETCH(ArchiveFixture::Fields, fields);
    QFETCH(QStringList, row);
    const ExportDefinition &definition = ExportTables::definition(archive);
    const ExportRows rows = readRows(definition, {ArchiveFixture::record(definition.layout(), fields),
                                                  ArchiveFixture::record(definition.layout(), {})});
    QVERIFY(XlsxExport::write(path("out.xlsx"), definition, rows));

    const XlsxSheet sheet = XlsxSheet::read(path("out.xlsx"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.sheetNames, QStringList{QString::fromUtf8(definition.worksheet)});
    QCOMPARE(sheet.cells.size(), 3);
    QCOMPARE(sheet.rowTexts(0), headersOf(definition));
    QCOMPARE(sheet.rowTexts(1), row);
    QCOMPARE(sheet.rowTexts(2), QStringList(row.size(), QString()));
    // Every value is a text cell, and every cell, empty ones too, keeps
    // what is typed into it as text.
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < definition.columnCount(); ++c) {
            const XlsxSheet::Cell &cell = sheet.cells[r][c];
            QVERIFY2(cell.text.isEmpty() || cell.isString, qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
            QVERIFY2(cell.textFormat, qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
        }
    }
}

void TestXlsxExport::headerIsBoldFrozenAndFiltered()
{
    const ExportRows rows = readRows(receipts(), {receipt("1", "Rossi", "5,00"), receipt("2", "Verdi", "6,00")});
    QVERIFY(XlsxExport::write(path("Ricevute.xlsx"), receipts(), rows));
    const XlsxSheet sheet = XlsxSheet::read(path("Ricevute.xlsx"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    for (int c = 0; c < 7; ++c) {
        QVERIFY(sheet.cells[0][c].bold);
        QVERIFY(!sheet.cells[1][c].bold);
        QVERIFY(!sheet.cells[2][c].bold);
    }
    QCOMPARE(sheet.frozenRows, 1);
    QCOMPARE(sheet.autoFilter, QStringLiteral("A1:G3"));
}

void TestXlsxExport::columnWidthsAreTheHeaderWidths_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::newRow("landlords") << ExportArchive::Locatori;
    QTest::newRow("tenants") << ExportArchive::Conduttori;
    QTest::newRow("contracts") << ExportArchive::Contratti;
    QTest::newRow("receipts") << ExportArchive::Ricevute;
}

void TestXlsxExport::columnWidthsAreTheHeaderWidths()
{
    QFETCH(ExportArchive, archive);
    const ExportDefinition &definition = ExportTables::definition(archive);
    QVERIFY(XlsxExport::write(path("out.xlsx"), definition, readRows(definition, {})));
    const XlsxSheet sheet = XlsxSheet::read(path("out.xlsx"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QList<int> widths;
    for (const ExportColumn &column : definition.columns)
        widths.append(column.width);
    QCOMPARE(sheet.columnPixels, widths);
}

void TestXlsxExport::emptyArchiveWritesTheHeaderOnly()
{
    QVERIFY(XlsxExport::write(path("Ricevute.xlsx"), receipts(), readRows(receipts(), {})));
    const XlsxSheet sheet = XlsxSheet::read(path("Ricevute.xlsx"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.cells.size(), 1);
    QCOMPARE(sheet.rowTexts(0), headersOf(receipts()));
    QCOMPARE(sheet.autoFilter, QStringLiteral("A1:G1"));
    QCOMPARE(sheet.frozenRows, 1);
}

void TestXlsxExport::textsAreKeptAsTheyAre_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("markup") << QByteArray("<b>&amp;\"x\"</b>") << QStringLiteral("<b>&amp;\"x\"</b>");
    QTest::newRow("leading zeros") << QByteArray("000123") << QStringLiteral("000123");
    QTest::newRow("looks like a number") << QByteArray("1E5") << QStringLiteral("1E5");
    QTest::newRow("looks like a formula") << QByteArray("=SUM(A1:A2)") << QStringLiteral("=SUM(A1:A2)");
    QTest::newRow("euro and accents") << QByteArray("\x80 perch\xe9") << QStringLiteral("€ perché");
    QTest::newRow("Windows-1252 quotes") << QByteArray("\x93sic\x94") << QStringLiteral("“sic”");
    QTest::newRow("a control character inside") << QByteArray("a\x01z") << QStringLiteral("a\x01z");
    QTest::newRow("an escape look-alike") << QByteArray("_x0041_") << QStringLiteral("_x0041_");
    QTest::newRow("two look-alikes") << QByteArray("_x0041_x0042_") << QStringLiteral("_x0041_x0042_");
    QTest::newRow("no look-alike") << QByteArray("_x00_ _xZZZZ_") << QStringLiteral("_x00_ _xZZZZ_");
}

void TestXlsxExport::textsAreKeptAsTheyAre()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QVERIFY(XlsxExport::write(path("Ricevute.xlsx"), receipts(), readRows(receipts(), {receipt("1", stored, "5,00")})));
    const XlsxSheet sheet = XlsxSheet::read(path("Ricevute.xlsx"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.cells[1][2].text, shown);
    QVERIFY(sheet.cells[1][2].isString);
}

void TestXlsxExport::replacesThePreviousFile()
{
    QVERIFY(XlsxExport::write(path("Ricevute.xlsx"), receipts(),
                              readRows(receipts(), {receipt("1", "Anno 2025", "1,00"), receipt("2", "Anno 2025", "2,00")})));
    QVERIFY(XlsxExport::write(path("Ricevute.xlsx"), receipts(), readRows(receipts(), {receipt("1", "Anno 2026", "3,00")})));
    const XlsxSheet sheet = XlsxSheet::read(path("Ricevute.xlsx"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.cells.size(), 2);
    QCOMPARE(sheet.cells[1][2].text, QStringLiteral("Anno 2026"));
    QCOMPARE(filesIn(m_dir->path()), (QStringList{"Ricevute.xlsx", "archive.pro"}));
    // An ordinary file for its user, not a private temporary one.
    QVERIFY(QFileInfo(path("Ricevute.xlsx")).permissions().testFlag(QFile::ReadOther));
}

void TestXlsxExport::refusedWriteKeepsThePreviousFile_data()
{
    QTest::addColumn<int>("limitFromEnd");
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing") << -1 << 0;
    QTest::newRow("a few bytes") << -1 << 100;
    QTest::newRow("half of the file") << 0 << 0;
    QTest::newRow("the end record cut") << 10 << 0;
    QTest::newRow("one byte short") << 1 << 0;
}

void TestXlsxExport::refusedWriteKeepsThePreviousFile()
{
    QFETCH(int, limitFromEnd);
    QFETCH(int, limit);
    QList<QByteArray> records;
    for (int i = 1; i <= 2000; ++i)
        records.append(receipt(QByteArray::number(i), "Pagatore " + QByteArray::number(i * 7919), "5,00"));
    const ExportRows rows = readRows(receipts(), records);

    QTemporaryDir elsewhere;
    QVERIFY(XlsxExport::write(elsewhere.filePath("Ricevute.xlsx"), receipts(), rows));
    const qint64 full = QFile(elsewhere.filePath("Ricevute.xlsx")).size();
    const qint64 allowed = limitFromEnd > 0 ? full - limitFromEnd : limitFromEnd == 0 ? full / 2 : limit;

    const QByteArray previous = "the previous workbook";
    QFile old(path("Ricevute.xlsx"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    QCOMPARE(old.write(previous), previous.size());
    old.close();
    {
        const LogCapture log;
        FileSizeLimit diskFull(static_cast<rlim_t>(allowed));
        QVERIFY(diskFull.isActive());
        QVERIFY(!XlsxExport::write(path("Ricevute.xlsx"), receipts(), rows));
        // Whatever refused the bytes, the log says what went wrong.
        QVERIFY(!log.messages(QStringLiteral("vacanzio.export")).isEmpty());
    }
    QCOMPARE(bytesOf(path("Ricevute.xlsx")), previous);
    QCOMPARE(filesIn(m_dir->path()), (QStringList{"Ricevute.xlsx", "archive.pro"}));
}

void TestXlsxExport::unwritableTargetFails()
{
    const ExportRows rows = readRows(receipts(), {receipt("1", "Rossi", "5,00")});
    QVERIFY(QDir(m_dir->path()).mkdir("Ricevute.xlsx"));
    QVERIFY(!XlsxExport::write(path("Ricevute.xlsx"), receipts(), rows));
    QVERIFY(QFileInfo(path("Ricevute.xlsx")).isDir());
    QVERIFY(!XlsxExport::write(path("missing/Ricevute.xlsx"), receipts(), rows));
    QCOMPARE(filesIn(m_dir->path()), (QStringList{"Ricevute.xlsx", "archive.pro"}));
}

// The workbook is read back above through the program's own zip reader;
// where the system's unzip is installed, it must find the same parts with
// the same contents.
void TestXlsxExport::unzipReadsTheSameParts()
{
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (unzip.isEmpty())
        QSKIP("unzip is not installed");
    const ExportRows rows = readRows(receipts(), {receipt("0012", "Citt\xe0", "1,00 \x80")});
    QVERIFY(XlsxExport::write(path("Ricevute.xlsx"), receipts(), rows));

    QProcess test;
    test.start(unzip, {QStringLiteral("-tq"), path("Ricevute.xlsx")});
    QVERIFY(test.waitForFinished());
    QCOMPARE(test.exitCode(), 0);

    ZipReader zip(path("Ricevute.xlsx"));
    QVERIFY(zip.open());
    for (const QString &part : XlsxExport::requiredParts()) {
        QProcess extract;
        // unzip reads its names as patterns: "[" has to be written "[[]".
        QString pattern = part;
        pattern.replace(QLatin1Char('['), QStringLiteral("[[]"));
        extract.start(unzip, {QStringLiteral("-p"), path("Ricevute.xlsx"), pattern});
        QVERIFY(extract.waitForFinished());
        QCOMPARE(extract.exitCode(), 0);
        const auto ours = zip.read(part);
        QVERIFY2(ours.has_value(), qPrintable(part));
        QCOMPARE(*ours, extract.readAllStandardOutput());
    }
}

void TestXlsxExport::leftoverOfAKilledExportIsRemoved()
{
    const ExportRows rows = readRows(receipts(), {receipt("1", "Rossi", "5,00")});
    // Left by an export killed as it put its finished file in place.
    QFile leftover(path("Ricevute.xlsx.Ab12Cd"));
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    QVERIFY(XlsxExport::write(path("Ricevute.xlsx"), receipts(), rows));
    QCOMPARE(filesIn(m_dir->path()), (QStringList{"Ricevute.xlsx", "archive.pro"}));
}

QTEST_GUILESS_MAIN(TestXlsxExport)
#include "tst_xlsxexport.moc"
