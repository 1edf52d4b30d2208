#include "PdfText.h"
#include "XlsxSheet.h"
#include "engine/report/ReportLayout.h"
#include "engine/reports/ReportWorkbook.h"
#include "engine/reports/TableReport.h"

#include <QTemporaryDir>
#include <QTest>

#include <array>

// A report's tables on paper (through the report engine) and in a workbook
// (through the .xlsx export).
class TestTableReport : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void columnsShareTheWidthOfThePage_data();
    void columnsShareTheWidthOfThePage();
    void printedPageHoldsTheReport();
    void longTableRunsOverPagesWithItsHeaders();
    void dataIsPrintedAsItIs();
    void tableWithoutRowsSaysSo();
    void workbookHoldsTheSameFigures();
    void workbookThatCannotBeWrittenFails();

private:
    std::optional<QTemporaryDir> m_folder;
};

namespace {

const QDate kPrintDate(2026, 3, 5);

constexpr std::array kPeople = {
    ReportColumn{"Nome", 300, false},
    ReportColumn{"Notti", 100, true},
    ReportColumn{"Importo €", 100, true},
};

constexpr std::array kPlaces = {
    ReportColumn{"Luogo", 200, false},
    ReportColumn{"Arrivi", 200, true},
};

ReportTable sample(int rows)
{
    ReportTable table;
    table.reportName = QStringLiteral("Prova");
    table.title = QStringLiteral("RAPPORTO DI PROVA");
    table.parameters = {QStringLiteral("Periodo: marzo 2026.")};
    ReportSection people;
    people.heading = QStringLiteral("Ospiti del mese");
    people.sheetName = QStringLiteral("Ospiti");
    people.columns = kPeople;
    for (int i = 1; i <= rows; ++i)
        people.rows.append({QStringLiteral("OSPITE%1").arg(i, 3, 10, QLatin1Char('0')), QString::number(i), "1,50"});
    people.totals = {QStringLiteral("Totale"), QString::number(rows * (rows + 1) / 2), QStringLiteral("99,99")};
    ReportSection places;
    places.heading = QStringLiteral("Per provenienza");
    places.sheetName = QStringLiteral("Provenienza");
    places.columns = kPlaces;
    places.rows = {{"RN", "4"}, {"FRANCIA", "2"}};
    table.sections = {people, places};
    table.notes = {QStringLiteral("Nota in calce al rapporto.")};
    return table;
}

} // namespace

void TestTableReport::init()
{
    m_folder.emplace();
    QVERIFY(m_folder->isValid());
}

void TestTableReport::columnsShareTheWidthOfThePage_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("width");
    QTest::newRow("landscape") << int(QPageLayout::Landscape) << 277.0;
    QTest::newRow("portrait") << int(QPageLayout::Portrait) << 190.0;
}

void TestTableReport::columnsShareTheWidthOfThePage()
{
    QFETCH(int, orientation);
    QFETCH(double, width);
    ReportTable table = sample(3);
    table.orientation = static_cast<QPageLayout::Orientation>(orientation);
    const Report::PageTemplate page = TableReport::pageTemplate(table);
    QCOMPARE(page.orientation, table.orientation);
    const Report::TextBox *name = page.textBox(QStringLiteral("txtIntestazione1_1"));
    const Report::TextBox *nights = page.textBox(QStringLiteral("txtIntestazione1_2"));
    const Report::TextBox *amount = page.textBox(QStringLiteral("txtIntestazione1_3"));
    QVERIFY(name && nights && amount);
    // 300 : 100 : 100 of the sheet, each with 1 mm inside either edge.
    QCOMPARE_LE(qAbs(name->box.width - (width * 3 / 5 - 2.0)), 0.01);
    QCOMPARE_LE(qAbs(nights->box.left - (width * 3 / 5 + 1.0)), 0.01);
    QCOMPARE_LE(qAbs(nights->box.width - (width / 5 - 2.0)), 0.01);
    QCOMPARE_LE(qAbs(amount->box.right() - (width - 1.0)), 0.01);
    QCOMPARE(name->alignment, Report::Alignment::Left);
    QCOMPARE(amount->alignment, Report::Alignment::Right);
    QCOMPARE(page.textBox(QStringLiteral("txtColonna1_3"))->alignment, Report::Alignment::Right);
}

void TestTableReport::printedPageHoldsTheReport()
{
    SKIP_WITHOUT_PDF_READER();
    const Report::PreparedReport report = Report::prepare(TableReport::pageTemplate(sample(3)), kPrintDate);
    const std::optional<PdfText> pdf = PdfText::renderAndRead(report, m_folder->path());
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), 1);
    for (const char *phrase : {"RAPPORTO DI PROVA", "Periodo: marzo 2026.", "Ospiti del mese", "Importo €",
                               "OSPITE002", "Totale", "99,99", "Per provenienza", "FRANCIA",
                               "Nota in calce al rapporto.", "Stampa eseguita in data 05/03/2026"})
        QVERIFY2(!pdf->find(QString::fromUtf8(phrase)).isEmpty(), qPrintable(QString::fromUtf8(phrase) + " in " + pdf->allText()));
    // The figures stand at the right edge of their column, the names at the left.
    const PdfPhrase nights = pdf->find(QStringLiteral("Notti")).first();
    const PdfPhrase three = pdf->find(QStringLiteral("OSPITE003")).first();
    const QList<PdfPhrase> amounts = pdf->find(QStringLiteral("1,50"));
    QCOMPARE(amounts.size(), 3);
    COMPARE_MM(amounts.first().box.right(), 10.0 + 277.0 - 1.0);
    COMPARE_MM(three.box.left(), 10.0 + 1.0);
    QVERIFY(nights.box.top() < three.box.top());
}

void TestTableReport::longTableRunsOverPagesWithItsHeaders()
{
    SKIP_WITHOUT_PDF_READER();
    const Report::PreparedReport report = Report::prepare(TableReport::pageTemplate(sample(150)), kPrintDate);
    QVERIFY(report.pages.size() >= 3);
    const std::optional<PdfText> pdf = PdfText::renderAndRead(report, m_folder->path());
    QVERIFY(pdf);
    for (int i = 1; i <= 150; ++i) {
        const QString guest = QStringLiteral("OSPITE%1").arg(i, 3, 10, QLatin1Char('0'));
        QVERIFY2(pdf->find(guest).size() == 1, qPrintable(guest));
    }
    // The second table's heading and column headers stand on the page of
    // its first row, never alone at the foot of the one before.
    const QList<PdfPhrase> heading = pdf->find(QStringLiteral("Per provenienza"));
    const QList<PdfPhrase> firstRow = pdf->find(QStringLiteral("RN"));
    QCOMPARE(heading.size(), 1);
    QVERIFY(!firstRow.isEmpty());
    QCOMPARE(heading.first().page, firstRow.first().page);
    // The total line on the page of the last row.
    QCOMPARE(pdf->find(QStringLiteral("OSPITE150")).first().page, pdf->find(QStringLiteral("Totale")).first().page);
    QCOMPARE(pdf->find(QStringLiteral("Stampa eseguita in data 05/03/2026")).first().page, pdf->pages().size() - 1);
}

void TestTableReport::dataIsPrintedAsItIs()
{
    ReportTable table = sample(1);
    table.sections[0].rows[0][0] = QStringLiteral("Ospite [DATE]");
    table.parameters = {QStringLiteral("Dal [DATE]")};
    const Report::PreparedReport report = Report::prepare(TableReport::pageTemplate(table), kPrintDate);
    QStringList texts;
    for (const Report::Element &element : report.pages.first().elements) {
        if (const auto *box = std::get_if<Report::TextBox>(&element))
            texts.append(box->text);
    }
    QVERIFY(texts.contains(QStringLiteral("Ospite [DATE]")));
    QVERIFY(texts.contains(QStringLiteral("Dal [DATE]")));
    QVERIFY(texts.contains(QStringLiteral("Stampa eseguita in data 05/03/2026")));
}

void TestTableReport::tableWithoutRowsSaysSo()
{
    ReportTable table = sample(0);
    table.sections[0].rows.clear();
    const Report::PageTemplate page = TableReport::pageTemplate(table);
    const Report::TextBox *rows = page.textBox(QStringLiteral("txtColonna1_1"));
    QVERIFY(rows);
    QCOMPARE(rows->text, TableReport::noRowsText());
    QVERIFY(!page.textBox(QStringLiteral("txtColonna1_2")));
}

void TestTableReport::workbookHoldsTheSameFigures()
{
    const QString path = m_folder->filePath(QStringLiteral("Prova.xlsx"));
    QVERIFY(ReportWorkbook::write(path, sample(3)));
    const XlsxSheet people = XlsxSheet::read(path, 1);
    QVERIFY2(people.error.isEmpty(), qPrintable(people.error));
    QCOMPARE(people.sheetNames, (QStringList{"Ospiti", "Provenienza"}));
    QCOMPARE(people.cells.size(), 1 + 3 + 1);
    QCOMPARE(people.rowTexts(0), (QStringList{"Nome", "Notti", "Importo €"}));
    QVERIFY(people.cells[0][0].bold);
    QCOMPARE(people.rowTexts(2), (QStringList{"OSPITE002", "2", "1,50"}));
    QCOMPARE(people.rowTexts(4), (QStringList{"Totale", "6", "99,99"}));
    QCOMPARE(people.columnPixels, (QList<int>{300, 100, 100}));
    QCOMPARE(people.frozenRows, 1);
    const XlsxSheet places = XlsxSheet::read(path, 2);
    QVERIFY2(places.error.isEmpty(), qPrintable(places.error));
    QCOMPARE(places.cells.size(), 3);
    QCOMPARE(places.rowTexts(0), (QStringList{"Luogo", "Arrivi"}));
    QCOMPARE(places.rowTexts(2), (QStringList{"FRANCIA", "2"}));
    QCOMPARE(places.autoFilter, QStringLiteral("A1:B3"));
}

void TestTableReport::workbookThatCannotBeWrittenFails()
{
    const QString path = m_folder->filePath(QStringLiteral("nessuna/cartella/Prova.xlsx"));
    QVERIFY(!ReportWorkbook::write(path, sample(3)));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestTableReport)
#include "tst_tablereport.moc"
