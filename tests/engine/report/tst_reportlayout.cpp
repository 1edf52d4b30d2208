#include "engine/report/ReportLayout.h"

#include "engine/report/FontFamilies.h"
#include "engine/report/TextMetrics.h"
#include "engine/report/Units.h"

#include "PdfText.h"

#include <QFontMetricsF>
#include <QImage>

#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {

const QDate printDate(2024, 3, 5);

TextBox text(const QString &name, BoxMm box, const QString &content, double pitchMm = 0.0)
{
    TextBox result;
    result.name = name;
    result.box = box;
    result.font = {QStringLiteral("Courier New"), 8.0};
    result.linePitchMm = pitchMm;
    result.text = content;
    return result;
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("RIGA %1").arg(i, 3, 10, QLatin1Char('0')));
    return lines;
}

// Portrait A4 with 10 mm margins (277 mm of height to fill): a 17 mm title,
// data lines 5 mm apart in a band 2 mm taller than they are, a 10 mm footer
// and a page mark printed on every sheet.
PageTemplate stackedTemplate(int lineCount)
{
    const double linesHeight = lineCount * 5.0;
    PageTemplate pageTemplate;
    pageTemplate.reportName = QStringLiteral("Prova bande");
    pageTemplate.marginsMm = QMarginsF(10.0, 10.0, 10.0, 10.0);
    pageTemplate.elements = {text(QStringLiteral("txtSegno"), {150.0, 272.0, 30.0, 5.0},
                                  QStringLiteral("SEGNO"))};
    pageTemplate.bands = {
        {QStringLiteral("Titolo"), BandKind::Title, 0.0, 190.0, 17.0,
         {text(QStringLiteral("txtTitolo"), {0.0, 0.0, 100.0, 5.0}, QStringLiteral("TITOLO"))}},
        {QStringLiteral("Dati"), BandKind::Data, 0.0, 190.0, linesHeight + 2.0,
         {text(QStringLiteral("txtRighe"), {0.0, 0.0, 190.0, linesHeight},
               numberedLines(lineCount).join(QLatin1Char('\n')), 5.0)}},
        {QStringLiteral("Piede"), BandKind::Footer, 0.0, 190.0, 10.0,
         {text(QStringLiteral("txtPiede"), {0.0, 2.0, 100.0, 5.0}, QStringLiteral("PIEDE"))}},
    };
    return pageTemplate;
}

QList<const TextBox *> boxesNamed(const PreparedPage &page, const QString &name)
{
    QList<const TextBox *> boxes;
    for (const Element &element : page.elements) {
        if (const auto *box = std::get_if<TextBox>(&element); box && box->name == name)
            boxes.append(box);
    }
    return boxes;
}

int dataLinesOn(const PreparedPage &page)
{
    int count = 0;
    for (const TextBox *box : boxesNamed(page, QStringLiteral("txtRighe")))
        count += int(box->text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
    return count;
}

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT
private slots:
    void bandsStackAndTheDataContinues_data();
    void bandsStackAndTheDataContinues();
    void pageElementsStandInsideTheMargins();
    void bandTallerThanASheetStillPrints();
    void landscapeSheetIsWiderThanHigh();
    void chapterBandStartsASheet_data();
    void chapterBandStartsASheet();
    void wrappedLinesKeepEveryWordInside_data();
    void wrappedLinesKeepEveryWordInside();
};

void TestReportLayout::bandsStackAndTheDataContinues_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QList<int>>("linesPerPage");
    QTest::addColumn<double>("footerTopMm");  // on the last sheet, from its top edge

    // The first sheet has 277 - 17 = 260 mm for data: 52 lines; the others
    // 277 mm: 55 lines. The footer's text stands 2 mm into its band.
    QTest::newRow("no lines") << 0 << QList<int>{0} << 10.0 + 17.0 + 2.0 + 2.0;
    QTest::newRow("one line") << 1 << QList<int>{1} << 10.0 + 17.0 + 7.0 + 2.0;
    QTest::newRow("49 lines, the footer still fits") << 49 << QList<int>{49} << 10.0 + 17.0 + 247.0 + 2.0;
    QTest::newRow("50 lines, the footer goes over") << 50 << QList<int>{50, 0} << 10.0 + 2.0;
    QTest::newRow("52 lines fill the first sheet") << 52 << QList<int>{52, 0} << 10.0 + 2.0 + 2.0;
    QTest::newRow("53 lines, one goes over") << 53 << QList<int>{52, 1} << 10.0 + 7.0 + 2.0;
    QTest::newRow("120 lines") << 120 << QList<int>{52, 55, 13} << 10.0 + 67.0 + 2.0;
}

void TestReportLayout::bandsStackAndTheDataContinues()
{
    QFETCH(int, lineCount);
    QFETCH(QList<int>, linesPerPage);
    QFETCH(double, footerTopMm);

    const PreparedReport report = prepare(stackedTemplate(lineCount), printDate);
    QCOMPARE(report.pages.size(), linesPerPage.size());
    for (int page = 0; page < report.pages.size(); ++page) {
        QCOMPARE(dataLinesOn(report.pages.at(page)), linesPerPage.at(page));
        QCOMPARE(boxesNamed(report.pages.at(page), QStringLiteral("txtTitolo")).size(), page == 0 ? 1 : 0);
        QCOMPARE(boxesNamed(report.pages.at(page), QStringLiteral("txtSegno")).size(), 1);
    }

    // Read back: every line once, in order, 5 mm apart, from below the title
    // on the first sheet and from the top margin on the others.
    SKIP_WITHOUT_PDF_READER();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto pdf = PdfText::renderAndRead(report, folder.path());
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), linesPerPage.size());
    int line = 0;
    for (int page = 0; page < linesPerPage.size(); ++page) {
        const double firstTop = page == 0 ? 27.0 : 10.0;
        for (int onPage = 0; onPage < linesPerPage.at(page); ++onPage) {
            ++line;
            const auto found = pdf->find(QStringLiteral("RIGA %1").arg(line, 3, 10, QLatin1Char('0')));
            QCOMPARE(found.size(), 1);
            QCOMPARE(found.first().page, page);
            COMPARE_MM(found.first().box.top(), firstTop + onPage * 5.0);
            COMPARE_MM(found.first().box.left(), 10.0);
        }
        QCOMPARE(pdf->find(QStringLiteral("SEGNO")).at(page).page, page);
    }
    QCOMPARE(line, lineCount);

    const auto title = pdf->find(QStringLiteral("TITOLO"));
    QCOMPARE(title.size(), 1);
    QCOMPARE(title.first().page, 0);
    COMPARE_MM(title.first().box.top(), 10.0);

    const auto footer = pdf->find(QStringLiteral("PIEDE"));
    QCOMPARE(footer.size(), 1);
    QCOMPARE(footer.first().page, int(linesPerPage.size()) - 1);
    COMPARE_MM(footer.first().box.top(), footerTopMm);
}

void TestReportLayout::pageElementsStandInsideTheMargins()
{
    PageTemplate pageTemplate;
    pageTemplate.marginsMm = QMarginsF(10.0, 12.0, 10.0, 10.0);
    pageTemplate.elements = {text(QStringLiteral("txtA"), {5.0, 7.5, 40.0, 5.0}, QStringLiteral("A"))};
    const PreparedReport report = prepare(pageTemplate, printDate);
    QCOMPARE(report.pages.size(), 1);
    const TextBox *box = boxesNamed(report.pages.first(), QStringLiteral("txtA")).value(0);
    QVERIFY(box);
    QCOMPARE(box->box, (BoxMm{15.0, 19.5, 40.0, 5.0}));
}

void TestReportLayout::bandTallerThanASheetStillPrints()
{
    // A picture cannot be cut: taller than a sheet, it is printed once on a
    // sheet of its own rather than pushed on for ever.
    PageTemplate pageTemplate;
    pageTemplate.marginsMm = QMarginsF(10.0, 10.0, 10.0, 10.0);
    pageTemplate.bands = {
        {QStringLiteral("Titolo"), BandKind::Title, 0.0, 190.0, 20.0, {}},
        {QStringLiteral("Dati"), BandKind::Data, 0.0, 190.0, 300.0,
         {PictureBox{QStringLiteral("imgGrande"), {0.0, 0.0, 100.0, 300.0}, QImage(), Scaling::Stretch}}},
    };
    const PreparedReport report = prepare(pageTemplate, printDate);
    QCOMPARE(report.pages.size(), 2);
    QCOMPARE(report.pages.at(1).elements.size(), 1);
    QCOMPARE(elementBox(report.pages.at(1).elements.first()).top, 10.0);
}

void TestReportLayout::landscapeSheetIsWiderThanHigh()
{
    PageTemplate pageTemplate;
    pageTemplate.orientation = QPageLayout::Landscape;
    pageTemplate.marginsMm = QMarginsF(10.0, 10.0, 10.0, 10.0);
    const PreparedReport report = prepare(pageTemplate, printDate);
    QCOMPARE(report.sheetSizeMm(), QSizeF(297.0, 210.0));
    QCOMPARE(report.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(report.pageLayout().margins(), QMarginsF());

    pageTemplate.orientation = QPageLayout::Portrait;
    QCOMPARE(prepare(pageTemplate, printDate).sheetSizeMm(), QSizeF(210.0, 297.0));
}

void TestReportLayout::chapterBandStartsASheet_data()
{
    QTest::addColumn<bool>("firstOnSheet");
    QTest::newRow("after another band") << false;
    QTest::newRow("nothing above it") << true;
}

void TestReportLayout::chapterBandStartsASheet()
{
    // A chapter opens a sheet of its own, yet never leaves a blank sheet
    // behind when it would be the first thing on one anyway.
    QFETCH(bool, firstOnSheet);

    PageTemplate pageTemplate;
    pageTemplate.marginsMm = QMarginsF(10.0, 10.0, 10.0, 10.0);
    if (!firstOnSheet) {
        pageTemplate.bands.append({QStringLiteral("Prima"), BandKind::Data, 0.0, 190.0, 20.0,
                                   {text(QStringLiteral("txtPrima"), {0.0, 0.0, 100.0, 5.0},
                                         QStringLiteral("PRIMA"))}});
    }
    Band chapter{QStringLiteral("Capitolo"), BandKind::Data, 0.0, 190.0, 20.0,
                 {text(QStringLiteral("txtCapitolo"), {0.0, 3.0, 100.0, 5.0}, QStringLiteral("CAPITOLO"))}};
    chapter.startsSheet = true;
    pageTemplate.bands.append(chapter);

    const PreparedReport report = prepare(pageTemplate, printDate);
    QCOMPARE(report.pages.size(), firstOnSheet ? 1 : 2);
    const TextBox *heading = boxesNamed(report.pages.last(), QStringLiteral("txtCapitolo")).value(0);
    QVERIFY(heading);
    QCOMPARE(heading->box.top, 13.0);
}

void TestReportLayout::wrappedLinesKeepEveryWordInside_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("widthMm");
    QTest::addColumn<int>("minimumLines");

    QTest::newRow("fits on one line") << "Una riga breve." << 100.0 << 1;
    QTest::newRow("a paragraph") << QStringLiteral("La cauzione viene restituita alla fine del soggiorno, "
                                                   "dopo il controllo della casa e degli arredi, entro "
                                                   "sette giorni dalla partenza degli ospiti.")
                                 << 60.0 << 3;
    QTest::newRow("runs of spaces") << "uno   due    tre" << 100.0 << 1;
    QTest::newRow("a word wider than the box")
        << "vedi www.un-indirizzo-molto-lungo-per-una-casella-stretta.it grazie" << 30.0 << 3;
    QTest::newRow("accents and euro") << QStringLiteral("Città è già più € perché ") + QString(20, QChar(0x00E8))
                                      << 15.0 << 2;
    QTest::newRow("empty") << "" << 50.0 << 1;
}

void TestReportLayout::wrappedLinesKeepEveryWordInside()
{
    QFETCH(QString, text);
    QFETCH(double, widthMm);
    QFETCH(int, minimumLines);

    const TextFont font{QStringLiteral("Arial"), 11.0};
    const QStringList lines = TextMetrics::wrappedLines(text, font, widthMm);
    QVERIFY2(lines.size() >= minimumLines, qPrintable(lines.join(QLatin1Char('|'))));

    // Nothing is lost or added: the lines give back the words, and a word is
    // broken only where it is wider than the whole line.
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(lines.join(QString()).remove(QLatin1Char(' ')), words.join(QString()));
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(1200.0 / Units::mmPerInch * 1000.0));
    device.setDotsPerMeterY(device.dotsPerMeterX());
    const QFontMetricsF metrics(FontFamilies::font(font), &device);
    const double width = Units::mmToDots(widthMm, 1200.0);
    for (const QString &line : lines) {
        QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(line));
        QVERIFY2(!line.startsWith(QLatin1Char(' ')) && !line.endsWith(QLatin1Char(' ')), qPrintable(line));
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        // Each line is as full as it can be: the next word did not fit.
        const QString next = lines.at(i).section(QLatin1Char(' '), 0, 0);
        if (words.contains(next))
            QVERIFY2(metrics.horizontalAdvance(lines.at(i - 1) + QLatin1Char(' ') + next) > width,
                     qPrintable(lines.at(i - 1)));
    }
}

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
