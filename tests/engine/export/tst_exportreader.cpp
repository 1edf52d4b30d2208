#include "ArchiveFixture.h"

#include "engine/archive/RecordLayouts.h"
#include "engine/export/ExportReader.h"
#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Reading an archive once for its export: the exported fields of every
// whole record, trimmed, in file order.
class TestExportReader : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void readsExportedFieldsInOrder();
    void trimsEveryField_data();
    void trimsEveryField();
    void keepsWindows1252Bytes();
    void damagedLengthStaysInItsField();
    void ignoresTrailingFragment();
    void missingArchiveIsCreatedEmpty();
    void unreadableArchiveFails();
    void reportsProgressUpToTheTotal();
    void readsEveryArchive_data();
    void readsEveryArchive();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

Q_DECLARE_METATYPE(ExportArchive)

namespace {

const ExportDefinition &receipts()
{
    return ExportTables::definition(ExportArchive::Ricevute);
}

QByteArray receipt(const QByteArray &number, const QByteArray &payer = {}, const QByteArray &total = {})
{
    return ArchiveFixture::record(RecordLayouts::ricevuta(),
                                  {{"NumRic", number}, {"Data", "05/01/2026"}, {"Importo", "120"},
                                   {"Pagatore01", payer}, {"Causale01", "Affitto"}, {"Intero", total},
                                   {"Ricevente01", "Not exported"}});
}

QStringList rowOf(const ExportRows &rows, qsizetype row)
{
    QStringList texts;
    for (int column = 0; column < rows.columnCount(); ++column)
        texts.append(rows.text(row, column));
    return texts;
}

} // namespace

void TestExportReader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestExportReader::readsExportedFieldsInOrder()
{
    QVERIFY(ArchiveFixture::write(path("2026.ric"), {receipt("1", "Mario Rossi", "120,00"),
                                                     receipt("2", "Anna Bianchi", "80,50")}));
    ExportRows rows(receipts().columnCount());
    QVERIFY(ExportReader::read(path("2026.ric"), receipts(), rows));
    QCOMPARE(rows.rowCount(), 2);
    QCOMPARE(rowOf(rows, 0), (QStringList{"1", "05/01/2026", "Mario Rossi", "", "Affitto", "", "120,00"}));
    QCOMPARE(rowOf(rows, 1), (QStringList{"2", "05/01/2026", "Anna Bianchi", "", "Affitto", "", "80,50"}));
}

void TestExportReader::trimsEveryField_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("read");
    QTest::newRow("plain") << QByteArray("Rossi") << QByteArray("Rossi");
    QTest::newRow("blanks around") << QByteArray("   Rossi  ") << QByteArray("Rossi");
    QTest::newRow("controls around") << QByteArray("\t\r\nRossi\x01\x1f", 10) << QByteArray("Rossi");
    QTest::newRow("blanks only") << QByteArray("     ") << QByteArray();
    QTest::newRow("inner blanks kept") << QByteArray(" Mario  Rossi ") << QByteArray("Mario  Rossi");
    QTest::newRow("NUL at the end") << QByteArray("Rossi\0", 6) << QByteArray("Rossi");
    // Code 160 is above 32: not trimmed.
    QTest::newRow("no-break space kept") << QByteArray("\xa0Rossi") << QByteArray("\xa0Rossi");
}

void TestExportReader::trimsEveryField()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, read);
    QVERIFY(ArchiveFixture::write(path("2026.ric"), {receipt("7", stored)}));
    ExportRows rows(receipts().columnCount());
    QVERIFY(ExportReader::read(path("2026.ric"), receipts(), rows));
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(rows.cell(0, 2).toByteArray(), read);
}

void TestExportReader::keepsWindows1252Bytes()
{
    QVERIFY(ArchiveFixture::write(path("2026.ric"), {receipt("1", "Citt\xe0", "1.200,00 \x80")}));
    ExportRows rows(receipts().columnCount());
    QVERIFY(ExportReader::read(path("2026.ric"), receipts(), rows));
    QCOMPARE(rows.cell(0, 6).toByteArray(), QByteArray("1.200,00 \x80"));
    QCOMPARE(rows.text(0, 6), QStringLiteral("1.200,00 €"));
    QCOMPARE(rows.text(0, 2), QStringLiteral("Città"));
}

void TestExportReader::damagedLengthStaysInItsField()
{
    const RecordLayout &layout = RecordLayouts::ricevuta();
    QByteArray bytes = receipt("12345", "Rossi");
    // Data (capacity 10) claims 200 bytes: only its own 10 are taken.
    const int data = layout.indexOf(QStringLiteral("Data"));
    bytes[layout.offset(data)] = static_cast<char>(200);
    QVERIFY(ArchiveFixture::write(path("2026.ric"), {bytes}));
    ExportRows rows(receipts().columnCount());
    QVERIFY(ExportReader::read(path("2026.ric"), receipts(), rows));
    QCOMPARE(rows.text(0, 0), QStringLiteral("12345"));
    QCOMPARE(rows.text(0, 1), QStringLiteral("05/01/2026"));
    QCOMPARE(rows.text(0, 2), QStringLiteral("Rossi"));

    bytes[layout.offset(data)] = static_cast<char>(11);
    bytes[layout.offset(data) + 11] = 'Z';  // the byte after the field
    QVERIFY(ArchiveFixture::write(path("2026.ric"), {bytes}));
    ExportRows again(receipts().columnCount());
    QVERIFY(ExportReader::read(path("2026.ric"), receipts(), again));
    QCOMPARE(again.text(0, 1), QStringLiteral("05/01/2026"));
}

void TestExportReader::ignoresTrailingFragment()
{
    QVERIFY(ArchiveFixture::write(path("2026.ric"), {receipt("1"), receipt("2")}, receipt("3").left(700)));
    ExportRows rows(receipts().columnCount());
    QVERIFY(ExportReader::read(path("2026.ric"), receipts(), rows));
    QCOMPARE(rows.rowCount(), 2);
    QCOMPARE(rows.text(1, 0), QStringLiteral("2"));
}

void TestExportReader::missingArchiveIsCreatedEmpty()
{
    ExportRows rows(receipts().columnCount());
    QVERIFY(ExportReader::read(path("2027.ric"), receipts(), rows));
    QCOMPARE(rows.rowCount(), 0);
    QVERIFY(QFile::exists(path("2027.ric")));
    QCOMPARE(QFile(path("2027.ric")).size(), 0);
}

void TestExportReader::unreadableArchiveFails()
{
    // A folder where the archive should be: it can be neither opened nor
    // created.
    QVERIFY(QDir(m_dir->path()).mkdir("2026.ric"));
    ExportRows rows(receipts().columnCount());
    QVERIFY(!ExportReader::read(path("2026.ric"), receipts(), rows));
    QCOMPARE(rows.rowCount(), 0);
    QVERIFY(!ExportReader::read(path("missing/2026.ric"), receipts(), rows));
}

void TestExportReader::reportsProgressUpToTheTotal()
{
    // More records than one block holds, so that progress comes in steps.
    QList<QByteArray> records;
    for (int i = 1; i <= 6000; ++i)
        records.append(receipt(QByteArray::number(i)));
    QVERIFY(ArchiveFixture::write(path("2026.ric"), records));

    QList<QPair<qint64, qint64>> reports;
    ExportRows rows(receipts().columnCount());
    QVERIFY(ExportReader::read(path("2026.ric"), receipts(), rows,
                               [&reports](qint64 done, qint64 total) { reports.append({done, total}); }));
    QCOMPARE(rows.rowCount(), 6000);
    QCOMPARE(rows.text(5999, 0), QStringLiteral("6000"));
    QVERIFY(reports.size() >= 3);
    QCOMPARE(reports.first(), (QPair<qint64, qint64>(0, 6000)));
    QCOMPARE(reports.last(), (QPair<qint64, qint64>(6000, 6000)));
    for (qsizetype i = 1; i < reports.size(); ++i) {
        QVERIFY(reports[i].first > reports[i - 1].first);
        QCOMPARE(reports[i].second, 6000);
    }
}

void TestExportReader::readsEveryArchive_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<ArchiveFixture::Fields>("fields");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("landlords")
        << ExportArchive::Locatori
        << ArchiveFixture::Fields{{"Locatore", "Rossi Mario"}, {"SessoLoc", "M"}, {"CodFiscLoc", "RSSMRA80A01H501U"},
                                  {"CapLoc", "00100"}, {"CapImm", "00184"}, {"CodComune", "H501"},
                                  {"Spese", "Luce e gas"}, {"File01", "contratto.pdf"}}
        << QStringList{"Rossi Mario", "RSSMRA80A01H501U", "", "", "", "", "", "", "", "", "", "", "", "",
                       "", "00184", "", "", "", "", "", "H501", "", "", "Luce e gas"};
    QTest::newRow("tenants")
        << ExportArchive::Conduttori
        << ArchiveFixture::Fields{{"Conduttore", "Bianchi Anna"}, {"PartitaIvaCon", "01234567890"},
                                  {"Documento", "Not exported"}, {"Zona", "Centro"}, {"Questioni", "Nessuna"}}
        << QStringList{"Bianchi Anna", "", "01234567890", "", "", "", "", "", "", "", "", "", "", "", "",
                       "Centro", "", "", "", "", "", "", "Nessuna"};
    QTest::newRow("contracts")
        << ExportArchive::Contratti
        << ArchiveFixture::Fields{{"Locatore", "Rossi Mario"}, {"CapCon", "20121"}, {"DurataCon", "7"},
                                  {"Documento", "Not exported"}, {"Pattuizioni", "Animali ammessi"},
                                  {"Luogo", "Roma"}, {"Data", "01/06/2026"}}
        << QStringList{"Rossi Mario", "", "", "", "", "", "", "20121", "", "", "", "", "", "", "", "",
                       "7", "", "", "", "", "", "", "Animali ammessi", "01/06/2026"};
}

void TestExportReader::readsEveryArchive()
{
    QFETCH(ExportArchive, archive);
    QFETCH(ArchiveFixture::Fields, fields);
    QFETCH(QStringList, row);
    const ExportDefinition &definition = ExportTables::definition(archive);
    const QString file = path(QString::fromLatin1(definition.archiveFile));
    QVERIFY(ArchiveFixture::write(file, {ArchiveFixture::record(definition.layout(), fields)}));
    ExportRows rows(definition.columnCount());
    QVERIFY(ExportReader::read(file, definition, rows));
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(rowOf(rows, 0), row);
}

QTEST_GUILESS_MAIN(TestExportReader)
#include "tst_exportreader.moc"
