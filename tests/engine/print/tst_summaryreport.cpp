#include "engine/print/SummaryReport.h"
#include "engine/report/ReportLayout.h"

#include "PdfText.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {

const QDate printDate(2024, 3, 5);

// A line in Courier New 8 pt is 12.822 screen pixels high.
constexpr double pitch = 12.822 * 25.4 / 96.0;

// Summary lines as a search window builds them: fixed columns of blanks.
QStringList summaryLines(int count, int width = 60)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        const QString line = QStringLiteral("%1 ROSSI MARIO          ROMA").arg(i, 4, 10, QLatin1Char('0'));
        lines.append(line + QLatin1Char(' ') + QString(qMax(0, width - int(line.size()) - 1), QLatin1Char('x')));
    }
    return lines;
}

} // namespace

class TestSummaryReport : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void templateIsTheSummarys();
    void fillSizesTheLinesAndTheirBand();
    void linesRunOverAsManyPagesAsNeeded_data();
    void linesRunOverAsManyPagesAsNeeded();
    void titleAndFooterLook();
    void longLinesAreCutAtTheBox();
    void missingObjectIsReported_data();
    void missingObjectIsReported();

private:
    std::optional<QTemporaryDir> m_folder;
};

void TestSummaryReport::init()
{
    m_folder.emplace();
    QVERIFY(m_folder->isValid());
}

void TestSummaryReport::templateIsTheSummarys()
{
    const PageTemplate pageTemplate = SummaryReport::pageTemplate();
    QCOMPARE(pageTemplate.reportName, QStringLiteral("Riepilogo dati"));
    QCOMPARE(pageTemplate.orientation, QPageLayout::Landscape);
    QCOMPARE(pageTemplate.marginsMm, QMarginsF(10.0, 10.0, 10.0, 10.0));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtTitolo"))->text, QStringLiteral("Riepilogo"));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtPagina"))->text,
             QStringLiteral("Stampa eseguita in data [DATE]"));
    const TextBox *lines = pageTemplate.textBox(QStringLiteral("txtRiepilogo"));
    QVERIFY(lines);
    QCOMPARE(lines->font, (TextFont{QStringLiteral("Courier New"), 8.0}));
    QVERIFY(!lines->wordWrap);
    QVERIFY(!lines->fill.isValid());
    QCOMPARE(pageTemplate.band(QStringLiteral("ReportTitle"))->kind, BandKind::Title);
    QCOMPARE(pageTemplate.band(QStringLiteral("MasterData"))->kind, BandKind::Data);
    QCOMPARE(pageTemplate.band(QStringLiteral("Footer"))->kind, BandKind::Footer);
}

void TestSummaryReport::fillSizesTheLinesAndTheirBand()
{
    PageTemplate pageTemplate = SummaryReport::pageTemplate();
    QVERIFY(SummaryReport::fill(pageTemplate, QStringLiteral("Elenco conduttori"), summaryLines(3)).succeeded());
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtTitolo"))->text, QStringLiteral("Elenco conduttori"));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtRiepilogo"))->text, summaryLines(3).join(QLatin1Char('\n')));
    // 3.39 mm a line; the band 10 pixels (2.6 mm) more.
    QCOMPARE(qRound(pageTemplate.textBox(QStringLiteral("txtRiepilogo"))->box.height * 100), qRound(3 * 3.3925 * 100));
    QCOMPARE(qRound(pageTemplate.band(QStringLiteral("MasterData"))->heightMm * 100),
             qRound((3 * 3.3925 + 2.6458) * 100));

    // A second printing starts from a fresh template: nothing of the first.
    PageTemplate again = SummaryReport::pageTemplate();
    QVERIFY(SummaryReport::fill(again, QStringLiteral("Vuoto"), {}).succeeded());
    QCOMPARE(again.textBox(QStringLiteral("txtRiepilogo"))->text, QString());
    QCOMPARE(again.textBox(QStringLiteral("txtRiepilogo"))->box.height, 0.0);
}

void TestSummaryReport::linesRunOverAsManyPagesAsNeeded_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QList<int>>("linesPerPage");

    // 190 mm inside the margins of a landscape sheet; the first page loses
    // 8 mm to the title: 53 lines there, 56 on every other page. The footer
    // needs 8 mm after the band's last 2.6 mm.
    QTest::newRow("empty list") << 0 << QList<int>{0};
    QTest::newRow("one line") << 1 << QList<int>{1};
    QTest::newRow("50 lines and the footer on one page") << 50 << QList<int>{50};
    QTest::newRow("51 lines, the footer goes over") << 51 << QList<int>{51, 0};
    QTest::newRow("54 lines") << 54 << QList<int>{53, 1};
    QTest::newRow("120 lines") << 120 << QList<int>{53, 56, 11};
    QTest::newRow("300 lines") << 300 << QList<int>{53, 56, 56, 56, 56, 23};
}

void TestSummaryReport::linesRunOverAsManyPagesAsNeeded()
{
    QFETCH(int, lineCount);
    QFETCH(QList<int>, linesPerPage);
    SKIP_WITHOUT_PDF_READER();

    PageTemplate pageTemplate = SummaryReport::pageTemplate();
    const QStringList lines = summaryLines(lineCount);
    QVERIFY(SummaryReport::fill(pageTemplate, QStringLiteral("Elenco dei contratti non scaduti"), lines).succeeded());
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), linesPerPage.size());

    int line = 0;
    double lastLineBottom = 0.0;
    for (int page = 0; page < linesPerPage.size(); ++page) {
        COMPARE_MM(pdf->pages().at(page).sizeMm.width(), 297.0);
        COMPARE_MM(pdf->pages().at(page).sizeMm.height(), 210.0);
        // Below the title bar on the first page, at the top margin after.
        const double firstTop = page == 0 ? 10.0 + 8.0 : 10.0;
        for (int onPage = 0; onPage < linesPerPage.at(page); ++onPage) {
            const QString number = QStringLiteral("%1").arg(++line, 4, 10, QLatin1Char('0'));
            const auto found = pdf->find(number + QStringLiteral(" ROSSI MARIO ROMA"));
            QVERIFY2(found.size() == 1, qPrintable(number));
            QCOMPARE(found.first().page, page);
            COMPARE_MM(found.first().box.left(), 10.0 + 3.0);
            COMPARE_MM(found.first().box.top(), firstTop + onPage * pitch);
            lastLineBottom = found.first().box.bottom();
        }
    }
    QCOMPARE(line, lineCount);

    const auto title = pdf->find(QStringLiteral("Elenco dei contratti non scaduti"));
    QCOMPARE(title.size(), 1);
    QCOMPARE(title.first().page, 0);

    const auto footer = pdf->find(QStringLiteral("Stampa eseguita in data 05/03/2024"));
    QCOMPARE(footer.size(), 1);
    QCOMPARE(footer.first().page, int(linesPerPage.size()) - 1);
    if (linesPerPage.last() > 0)
        QVERIFY(footer.first().box.top() > lastLineBottom);
    QVERIFY(!pdf->allText().contains(QStringLiteral("[DATE]")));
}

void TestSummaryReport::titleAndFooterLook()
{
    SKIP_WITHOUT_PDF_READER();
    PageTemplate pageTemplate = SummaryReport::pageTemplate();
    QVERIFY(SummaryReport::fill(pageTemplate, QStringLiteral("Ricerca locatori"), summaryLines(2)).succeeded());
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    // Centred in their bars: the title 2 mm in and 273 mm wide, the footer
    // 3 mm in and 272 mm wide; the footer's band follows the lines' band.
    const auto title = pdf->find(QStringLiteral("Ricerca locatori"));
    QCOMPARE(title.size(), 1);
    COMPARE_MM(title.first().box.center().x(), 10.0 + 2.0 + 273.0 / 2.0);
    COMPARE_MM(title.first().box.top(), 10.0 + 1.0);
    const auto footer = pdf->find(QStringLiteral("Stampa eseguita in data 05/03/2024"));
    QCOMPARE(footer.size(), 1);
    COMPARE_MM(footer.first().box.center().x(), 10.0 + 3.0 + 272.0 / 2.0);
    COMPARE_MM(footer.first().box.top(), 10.0 + 8.0 + 2 * pitch + 2.6458 + 2.0);
    QVERIFY(!pdf->allText().contains(QStringLiteral("Riepilogo")));

    const QStringList fonts = listPdfFonts(QDir(m_folder->path()).filePath(QStringLiteral("report.pdf"))).value_or(QStringList());
    QVERIFY2(fonts.filter(QStringLiteral("Mono"), Qt::CaseInsensitive).size()
                 + fonts.filter(QStringLiteral("Courier"), Qt::CaseInsensitive).size() == 1,
             qPrintable(fonts.join(QStringLiteral(", "))));
}

void TestSummaryReport::longLinesAreCutAtTheBox()
{
    SKIP_WITHOUT_PDF_READER();
    // 400 characters: far more than 273 mm of Courier New 8 pt (161 of them).
    const QStringList lines = summaryLines(3, 400);
    PageTemplate pageTemplate = SummaryReport::pageTemplate();
    QVERIFY(SummaryReport::fill(pageTemplate, QStringLiteral("Riepilogo"), lines).succeeded());
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), 1);
    for (int i = 0; i < 3; ++i) {
        const double top = 10.0 + 8.0 + i * pitch;
        const QList<PdfWord> shown = pdf->wordsInside(0, QRectF(0.0, top, 297.0, pitch));
        QCOMPARE(shown.size(), 5);
        QVERIFY(shown.last().box.right() <= 10.0 + 3.0 + 273.0 + 0.05);
        // Each character of Courier is 0.6 of the size wide: 1.69 mm.
        QVERIFY(10.0 + 3.0 + 273.0 - shown.last().box.right() < 1.7);
        QVERIFY(lines.at(i).contains(shown.last().text));
        QVERIFY(shown.last().text.size() < 400 - 30);
    }
}

void TestSummaryReport::missingObjectIsReported_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<bool>("isBand");
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("the title's box") << "txtTitolo" << false << QStringList{"txtTitolo"};
    QTest::newRow("the lines' box") << "txtRiepilogo" << false << QStringList{"txtRiepilogo"};
    // The band goes with the box it holds.
    QTest::newRow("the lines' band") << "MasterData" << true << QStringList{"txtRiepilogo", "MasterData"};
}

void TestSummaryReport::missingObjectIsReported()
{
    QFETCH(QString, removed);
    QFETCH(bool, isBand);
    QFETCH(QStringList, missing);
    PageTemplate pageTemplate = SummaryReport::pageTemplate();
    if (isBand) {
        QCOMPARE(pageTemplate.bands.removeIf([&](const Band &band) { return band.name == removed; }), 1);
    } else {
        for (Band &band : pageTemplate.bands)
            band.elements.removeIf([&](const Element &e) { return elementName(e) == removed; });
        QVERIFY(!pageTemplate.textBox(removed));
    }
    const FillResult result = SummaryReport::fill(pageTemplate, QStringLiteral("Titolo"), summaryLines(5));
    QVERIFY(!result.succeeded());
    QCOMPARE(result.missingObjects, missing);
}

QTEST_MAIN(TestSummaryReport)
#include "tst_summaryreport.moc"
