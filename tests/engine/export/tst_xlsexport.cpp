#include "ArchiveFixture.h"
#include "FileSizeLimit.h"

#include "engine/archive/RecordLayouts.h"
#include "engine/export/ExportReader.h"
#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"
#include "engine/export/XlsExport.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

// The .xls file: the whole HTML table on one line, byte for byte, in
// Windows-1252, with its texts escaped, put in place only when complete.
class TestXlsExport : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void smallExportByteForByte();
    void emptyArchiveWritesTheHeaderOnly();
    void headerRowOfEveryArchive_data();
    void headerRowOfEveryArchive();
    void textsAreEscaped_data();
    void textsAreEscaped();
    void replacesThePreviousFileWhole();
    void secondReceiptYearReplacesTheFirst();
    void refusedWriteKeepsThePreviousFile_data();
    void refusedWriteKeepsThePreviousFile();
    void unwritableTargetFails();
    void leftoverOfAKilledExportIsRemoved();
    void reportsProgressUpToTheTotal();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QByteArray bytesOf(const QString &name) const;
    // The rows of `records`, read from an archive as the window reads them.
    ExportRows readRows(const ExportDefinition &definition, const QList<QByteArray> &records,
                        const QString &archive = QStringLiteral("archive.pro"));
    std::unique_ptr<QTemporaryDir> m_dir;
};

Q_DECLARE_METATYPE(ExportArchive)

namespace {

// The file text before the header row and after the last row, written out
// here piece by piece rather than taken from the program.
QByteArray head(const QByteArray &worksheet)
{
    return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
           "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
           "xmlns=\"http://www.w3.org/TR/REC-html40\">"
           "<head>"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
           "<style>.t{mso-number-format:\"\\@\";}</style>"
           "<!--[if gte mso 9]><xml>"
           "<x:ExcelWorkbook>"
           "<x:ExcelWorksheets>"
           "<x:ExcelWorksheet>"
           "<x:Name>" + worksheet + "</x:Name>"
           "<x:WorksheetOptions>"
           "<x:Selected/>"
           "<x:Panes>"
           "<x:Pane>"
           "<x:Number>1</x:Number>"
           "<x:ActiveRow>3</x:ActiveRow>"
           "</x:Pane>"
           "</x:Panes>"
           "<x:ProtectContents>False</x:ProtectContents>"
           "<x:ProtectObjects>False</x:ProtectObjects>"
           "<x:ProtectScenarios>False</x:ProtectScenarios>"
           "</x:WorksheetOptions>"
           "</x:ExcelWorksheet>"
           "</x:ExcelWorksheets>"
           "</x:ExcelWorkbook>"
           "</xml><![endif]-->"
           "</head>"
           "<body>"
           "<table x:str>";
}

const QByteArray Tail = "</table></body></html>";

QByteArray headerCell(const QByteArray &text, int width)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" + text
           + "</td>";
}

QByteArray cell(const QByteArray &text)
{
    return "<td class=t style=\"text-align: left;\">" + text + "</td>";
}

QByteArray row(const QList<QByteArray> &texts)
{
    QByteArray bytes = "<tr>";
    for (const QByteArray &text : texts)
        bytes += cell(text);
    return bytes + "</tr>";
}

const QByteArray ReceiptHeader = "<tr>" + headerCell("Ricevuta n.", 200) + headerCell("Data emissione", 200)
                                 + headerCell("Pagatore (rigo 1)", 350) + headerCell("Pagatore (rigo 2)", 350)
                                 + headerCell("Causale (rigo 1)", 350) + headerCell("Causale (rigo 2)", 350)
                                 + headerCell("Totale: \x80", 200) + "</tr>";

const ExportDefinition &receipts()
{
    return ExportTables::definition(ExportArchive::Ricevute);
}

QByteArray receipt(const QByteArray &number, const QByteArray &payer, const QByteArray &total)
{
    return ArchiveFixture::record(RecordLayouts::ricevuta(),
                                  {{"NumRic", number}, {"Data", "05/01/2026"}, {"Importo", "120"},
                                   {"Cents", "00"}, {"Pagatore01", payer}, {"Pagatore02", "  Via Roma 1 "},
                                   {"Causale01", "Affitto"}, {"Intero", total}, {"Ricevente01", "Not exported"}});
}

// The files of a folder, to see that nothing was left behind.
QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

void TestXlsExport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray TestXlsExport::bytesOf(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ExportRows TestXlsExport::readRows(const ExportDefinition &definition, const QList<QByteArray> &records,
                                   const QString &archive)
{
    ExportRows rows(definition.columnCount());
    if (!ArchiveFixture::write(path(archive), records) || !ExportReader::read(path(archive), definition, rows))
        QTest::qFail("the fixture archive could not be written or read", __FILE__, __LINE__);
    return rows;
}

void TestXlsExport::smallExportByteForByte()
{
    const ExportRows rows = readRows(receipts(), {receipt("00012", "Rossi Mario", "120,00"),
                                                  receipt("13", "Citt\xe0 di Roma", "1.200,50 \x80")});
    QVERIFY(XlsExport::write(path("Ricevute.xls"), receipts(), rows));
    const QByteArray expected = head("Riepilogo Ricevute") + ReceiptHeader
                                + row({"00012", "05/01/2026", "Rossi Mario", "Via Roma 1", "Affitto", "", "120,00"})
                                + row({"13", "05/01/2026", "Citt\xe0 di Roma", "Via Roma 1", "Affitto", "", "1.200,50 \x80"})
                                + Tail;
    const QByteArray written = bytesOf("Ricevute.xls");
    QCOMPARE(written, expected);
    // One line: not a line break anywhere.
    QVERIFY(!written.contains('\n') && !written.contains('\r'));
}

void TestXlsExport::emptyArchiveWritesTheHeaderOnly()
{
    const ExportRows rows = readRows(receipts(), {});
    QCOMPARE(rows.rowCount(), 0);
    QVERIFY(XlsExport::write(path("Ricevute.xls"), receipts(), rows));
    QCOMPARE(bytesOf("Ricevute.xls"), head("Riepilogo Ricevute") + ReceiptHeader + Tail);
}

void TestXlsExport::headerRowOfEveryArchive_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<QByteArray>("worksheet");
    // Each header, a '|', its width.
    QTest::addColumn<QList<QByteArray>>("headers");
    QTest::newRow("landlords")
        << ExportArchive::Locatori << QByteArray("Riepilogo Locatori")
        << QList<QByteArray>{"Cognome e nome Locatore|280", "Codice fiscale|250", "Partita IVA|250",
                             "Comune di residenza|280", "Prov.|150", "Via e numero civico|350",
                             "Tel. preferenziale|250", "Tel. casa|250", "Tel. cellulare|250", "PEC|250",
                             "E-mail|250", "Note|400", "Tipo immobile|250", "Comune ubicazione|280", "Prov.|150",
                             "CAP|180", "Via e numero civico|350", "Piano|160", "Vani|200", "Accessori|400",
                             "Posti letto|200", "Cod. Comune|160", "Superficie|250", "Rendita catastale|200",
                             "Spese a carico del Conduttore|400"};
    QTest::newRow("tenants")
        << ExportArchive::Conduttori << QByteArray("Riepilogo Conduttori")
        << QList<QByteArray>{"Cognome e nome Conduttore|280", "Codice fiscale|250", "Partita IVA|250",
                             "Comune di residenza|280", "Prov.|150", "Via e numero civico|350",
                             "Tel. preferenziale|250", "Tel. casa|250", "Tel. cellulare|250", "PEC|250",
                             "E-mail|250", "Note|400", "Tipo immobile richiesto|260", "Comune ubicazione|280",
                             "Prov.|150", "Zona|280", "Piano|160", "Vani|200", "Accessori|400", "Posti letto|200",
                             "Persone ospitate|400", "Periodo preferito|260", "Questioni in sospeso|400"};
    QTest::newRow("contracts")
        << ExportArchive::Contratti << QByteArray("Riepilogo Contratti Locazione")
        << QList<QByteArray>{"Cognome e nome Locatore|280", "Codice fiscale Locatore|250",
                             "Cognome e nome Conduttore|280", "Codice fiscale Conduttore|250",
                             "Comune di residenza|280", "Prov.|150", "Via e numero civico|350", "CAP|180",
                             "Persone ospitate|400", "Comune ubicazione immobile|280", "Prov.|150",
                             "Via e numero civico|350", "CAP|180", "Vani|200", "Accessori|400", "Posti letto|200",
                             "Giorni|180", "Data inizio contratto|200", "Data fine contratto|200",
                             "Importo canone|200", "Spese a carico del Conduttore|400",
                             "Modalit\xe0 di pagamento|400", "Importo cauzione|200", "Note|400",
                             "Data stipula contratto|200"};
    QTest::newRow("receipts")
        << ExportArchive::Ricevute << QByteArray("Riepilogo Ricevute")
        << QList<QByteArray>{"Ricevuta n.|200", "Data emissione|200", "Pagatore (rigo 1)|350",
                             "Pagatore (rigo 2)|350", "Causale (rigo 1)|350", "Causale (rigo 2)|350",
                             "Totale: \x80|200"};
}

void TestXlsExport::headerRowOfEveryArchive()
{
    QFETCH(ExportArchive, archive);
    QFETCH(QByteArray, worksheet);
    QFETCH(QList<QByteArray>, headers);
    const ExportDefinition &definition = ExportTables::definition(archive);
    QByteArray header = "<tr>";
    for (const QByteArray &item : headers) {
        const QList<QByteArray> parts = item.split('|');
        header += headerCell(parts[0], parts[1].toInt());
    }
    header += "</tr>";
    const ExportRows rows = readRows(definition, {ArchiveFixture::record(definition.layout(), {})});
    QVERIFY(XlsExport::write(path("out.xls"), definition, rows));
    // One empty record: a row of empty cells, as many as the headers.
    QList<QByteArray> empty;
    for (qsizetype i = 0; i < headers.size(); ++i)
        empty.append(QByteArray());
    QCOMPARE(bytesOf("out.xls"), head(worksheet) + header + row(empty) + Tail);
}

void TestXlsExport::textsAreEscaped_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("less than") << QByteArray("a<b") << QByteArray("a&lt;b");
    QTest::newRow("greater than") << QByteArray("a>b") << QByteArray("a&gt;b");
    QTest::newRow("ampersand") << QByteArray("Rossi & figli") << QByteArray("Rossi &amp; figli");
    QTest::newRow("double quote") << QByteArray("detto \"Il Moro\"") << QByteArray("detto &quot;Il Moro&quot;");
    QTest::newRow("markup") << QByteArray("</td></tr><script>") << QByteArray("&lt;/td&gt;&lt;/tr&gt;&lt;script&gt;");
    QTest::newRow("an entity stays text") << QByteArray("&amp;") << QByteArray("&amp;amp;");
    QTest::newRow("apostrophe as it is") << QByteArray("L'Aquila") << QByteArray("L'Aquila");
    QTest::newRow("euro as byte 0x80") << QByteArray("10 \x80") << QByteArray("10 \x80");
    QTest::newRow("accented as their byte") << QByteArray("perch\xe9 \xe0") << QByteArray("perch\xe9 \xe0");
}

void TestXlsExport::textsAreEscaped()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    const ExportRows rows = readRows(receipts(), {receipt("1", stored, "5,00")});
    QVERIFY(XlsExport::write(path("Ricevute.xls"), receipts(), rows));
    QCOMPARE(bytesOf("Ricevute.xls"),
             head("Riepilogo Ricevute") + ReceiptHeader
                 + row({"1", "05/01/2026", written, "Via Roma 1", "Affitto", "", "5,00"}) + Tail);
}

void TestXlsExport::replacesThePreviousFileWhole()
{
    // A longer old file: nothing of it may remain after the new one.
    QFile old(path("Ricevute.xls"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    QVERIFY(old.write(QByteArray(100000, 'x')) == 100000);
    old.close();
    const ExportRows rows = readRows(receipts(), {receipt("1", "Rossi", "5,00")});
    QVERIFY(XlsExport::write(path("Ricevute.xls"), receipts(), rows));
    QVERIFY(bytesOf("Ricevute.xls").startsWith("<html "));
    QVERIFY(bytesOf("Ricevute.xls").endsWith(Tail));
    QVERIFY(!bytesOf("Ricevute.xls").contains("xxx"));
    QCOMPARE(filesIn(m_dir->path()), (QStringList{"Ricevute.xls", "archive.pro"}));
}

void TestXlsExport::secondReceiptYearReplacesTheFirst()
{
    const ExportRows first = readRows(receipts(), {receipt("1", "Anno 2025 primo", "1,00"),
                                                   receipt("2", "Anno 2025 secondo", "2,00"),
                                                   receipt("3", "Anno 2025 terzo", "3,00")},
                                      QStringLiteral("2025.ric"));
    QVERIFY(XlsExport::write(path("Ricevute.xls"), receipts(), first));
    QVERIFY(bytesOf("Ricevute.xls").contains("Anno 2025 terzo"));

    const ExportRows second = readRows(receipts(), {receipt("1", "Anno 2026", "9,00")}, QStringLiteral("2026.ric"));
    QVERIFY(XlsExport::write(path("Ricevute.xls"), receipts(), second));
    QCOMPARE(bytesOf("Ricevute.xls"),
             head("Riepilogo Ricevute") + ReceiptHeader
                 + row({"1", "05/01/2026", "Anno 2026", "Via Roma 1", "Affitto", "", "9,00"}) + Tail);
}

void TestXlsExport::refusedWriteKeepsThePreviousFile_data()
{
    // Where the disk stops taking bytes: before the first, inside the
    // head, within the rows, one byte short of the end.
    QTest::addColumn<int>("limitFromEnd");
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing") << -1 << 0;
    QTest::newRow("inside the head") << -1 << 300;
    QTest::newRow("inside the first chunk") << -1 << 100000;
    QTest::newRow("after the first chunk") << -1 << (1 << 20) + 1000;
    QTest::newRow("one byte short") << 1 << 0;
    QTest::newRow("the tail short") << 10 << 0;
}

void TestXlsExport::refusedWriteKeepsThePreviousFile()
{
    QFETCH(int, limitFromEnd);
    QFETCH(int, limit);
    // Enough rows for more than one chunk of the file.
    QList<QByteArray> records;
    for (int i = 1; i <= 6000; ++i)
        records.append(receipt(QByteArray::number(i), QByteArray(200, 'p'), "5,00"));
    const ExportRows rows = readRows(receipts(), records);

    // The size of the complete file, written elsewhere.
    QTemporaryDir elsewhere;
    QVERIFY(XlsExport::write(elsewhere.filePath("Ricevute.xls"), receipts(), rows));
    const qint64 full = QFile(elsewhere.filePath("Ricevute.xls")).size();
    QVERIFY(full > (2 << 20));
    const qint64 allowed = limitFromEnd > 0 ? full - limitFromEnd : limit;

    const QByteArray previous = "<html>the previous export</html>";
    QFile old(path("Ricevute.xls"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    QCOMPARE(old.write(previous), previous.size());
    old.close();
    {
        FileSizeLimit diskFull(static_cast<rlim_t>(allowed));
        QVERIFY(diskFull.isActive());
        QVERIFY(!XlsExport::write(path("Ricevute.xls"), receipts(), rows));
    }
    QCOMPARE(bytesOf("Ricevute.xls"), previous);
    QCOMPARE(filesIn(m_dir->path()), (QStringList{"Ricevute.xls", "archive.pro"}));
}

void TestXlsExport::unwritableTargetFails()
{
    const ExportRows rows = readRows(receipts(), {receipt("1", "Rossi", "5,00")});
    // A folder of the file's name cannot be replaced; a missing folder
    // cannot be written into.
    QVERIFY(QDir(m_dir->path()).mkdir("Ricevute.xls"));
    QVERIFY(!XlsExport::write(path("Ricevute.xls"), receipts(), rows));
    QVERIFY(QFileInfo(path("Ricevute.xls")).isDir());
    QVERIFY(!XlsExport::write(path("missing/Ricevute.xls"), receipts(), rows));
    QCOMPARE(filesIn(m_dir->path()), (QStringList{"Ricevute.xls", "archive.pro"}));
}

void TestXlsExport::reportsProgressUpToTheTotal()
{
    QList<QByteArray> records;
    for (int i = 1; i <= 6000; ++i)
        records.append(receipt(QByteArray::number(i), QByteArray(200, 'p'), "5,00"));
    const ExportRows rows = readRows(receipts(), records);
    QList<qint64> done;
    QVERIFY(XlsExport::write(path("Ricevute.xls"), receipts(), rows, [&done](qint64 value, qint64 total) {
        QCOMPARE(total, 6000);
        done.append(value);
    }));
    QVERIFY(done.size() >= 3);
    QCOMPARE(done.first(), 0);
    QCOMPARE(done.last(), 6000);
    QVERIFY(std::is_sorted(done.cbegin(), done.cend()));
}

void TestXlsExport::leftoverOfAKilledExportIsRemoved()
{
    const ExportRows rows = readRows(receipts(), {receipt("1", "Rossi", "5,00")});
    // Left by an export killed as it put its finished file in place.
    QFile leftover(path("Ricevute.xls.Ab12Cd"));
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    QVERIFY(XlsExport::write(path("Ricevute.xls"), receipts(), rows));
    QCOMPARE(filesIn(m_dir->path()), (QStringList{"Ricevute.xls", "archive.pro"}));
}

QTEST_GUILESS_MAIN(TestXlsExport)
#include "tst_xlsexport.moc"
