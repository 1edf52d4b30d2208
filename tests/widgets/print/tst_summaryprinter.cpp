#include "FakePlatform.h"
#include "FakePrintDialog.h"
#include "PdfText.h"
#include "widgets/search/SummaryPrinting.h"

#include <QFile>
#include <QTest>
#include <QWidget>

// The printed summary of a list window, as the list windows' buttons reach
// it: through the print dialog onto landscape pages.
class TestSummaryPrinter : public QObject
{
    Q_OBJECT
private slots:
    void linesRunOverAsManyPagesAsTheyNeed_data();
    void linesRunOverAsManyPagesAsTheyNeed();
    void cancelledDialogPrintsNothing();
};

void TestSummaryPrinter::linesRunOverAsManyPagesAsTheyNeed_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty list") << 0 << 1;
    QTest::newRow("120 lines") << 120 << 3;
}

void TestSummaryPrinter::linesRunOverAsManyPagesAsTheyNeed()
{
    QFETCH(int, lines);
    QFETCH(int, pages);
    SKIP_WITHOUT_PDF_READER();
    FakePlatform platform;
    FakePrintDialog dialog;
    dialog.answer = true;
    dialog.pdfPath = platform.filePath(QStringLiteral("riepilogo.pdf"));
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text.append(QStringLiteral("RIGA%1 ROSSI MARIO").arg(i, 3, 10, QLatin1Char('0')));
    QWidget list;
    SummaryPrinting::print(&list, QStringLiteral("Elenco dei Locatori"), text, SummaryPrinting::Output::Printer);

    QCOMPARE(dialog.shown, 1);
    const std::optional<PdfText> pdf = PdfText::read(dialog.pdfPath);
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), pages);
    QVERIFY(pdf->pages().first().sizeMm.width() > pdf->pages().first().sizeMm.height());
    QCOMPARE(pdf->find(QStringLiteral("Elenco dei Locatori")).size(), 1);
    if (lines > 0) {
        QCOMPARE(pdf->find(QStringLiteral("RIGA001")).first().page, 0);
        QCOMPARE(pdf->find(QStringLiteral("RIGA120")).first().page, pages - 1);
    }
    // The footer's date comes after the last line.
    QVERIFY(pdf->pageText(pages - 1).contains(QLatin1String("09/12/2026")));
    QVERIFY(platform.messages.isEmpty());
}

void TestSummaryPrinter::cancelledDialogPrintsNothing()
{
    FakePlatform platform;
    FakePrintDialog dialog;
    dialog.pdfPath = platform.filePath(QStringLiteral("riepilogo.pdf"));
    QWidget list;
    SummaryPrinting::print(&list, QStringLiteral("Titolo"), {QStringLiteral("A")}, SummaryPrinting::Output::Printer);
    QCOMPARE(dialog.shown, 1);
    QVERIFY(!QFile::exists(dialog.pdfPath));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(TestSummaryPrinter)
#include "tst_summaryprinter.moc"
