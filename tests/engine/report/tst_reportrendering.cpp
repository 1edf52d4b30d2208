#include "engine/report/PdfExport.h"
#include "engine/report/ReportLayout.h"
#include "engine/report/ReportRenderer.h"

#include "FileSizeLimit.h"
#include "PdfText.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace Report;

Q_DECLARE_METATYPE(Report::Alignment)

namespace {

const QDate printDate(2024, 3, 5);

TextBox textBox(BoxMm box, const QString &text, Alignment alignment = Alignment::Left,
                bool verticallyCentred = false)
{
    TextBox result;
    result.name = QStringLiteral("txtProva");
    result.box = box;
    result.font = {QStringLiteral("Arial"), 11.0};
    result.alignment = alignment;
    result.verticallyCentred = verticallyCentred;
    result.text = text;
    return result;
}

PageTemplate pageWith(const QList<Element> &elements, QMarginsF margins = {})
{
    PageTemplate pageTemplate;
    pageTemplate.reportName = QStringLiteral("Prova");
    pageTemplate.marginsMm = margins;
    pageTemplate.elements = elements;
    return pageTemplate;
}

// "W01 W02 W03 ...": the words tell how far a cut text got.
QString numberedWords(int count)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words.append(QStringLiteral("W%1").arg(i, 2, 10, QLatin1Char('0')));
    return words.join(QLatin1Char(' '));
}

} // namespace

class TestReportRendering : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void textStandsInItsBox_data();
    void textStandsInItsBox();
    void tooLongLineIsCutAtTheRightEdge_data();
    void tooLongLineIsCutAtTheRightEdge();
    void wordWrapKeepsTheTextInsideTheBox();
    void dateVariableIsReplaced();
    void textsSetByTheProgramPrintAsTheyAre();
    void sheetsHaveTheReportsOrientation_data();
    void sheetsHaveTheReportsOrientation();
    void picturesAreDrawnAtTheirFittedSize();
    void renderFailsWhenPaintingCannotStart();
    void writePdfFailsWithoutLeavingAFile();
    void writePdfReplacesAnOlderFile();
    void writePdfOnAFullDiskKeepsTheOlderFile_data();
    void writePdfOnAFullDiskKeepsTheOlderFile();

private:
    std::optional<QTemporaryDir> m_folder;
};

void TestReportRendering::init()
{
    m_folder.emplace();
    QVERIFY(m_folder->isValid());
}

void TestReportRendering::textStandsInItsBox_data()
{
    QTest::addColumn<Alignment>("alignment");
    QTest::addColumn<bool>("verticallyCentred");
    QTest::addColumn<double>("marginMm");
    // Where the words must stand on the sheet: the edge or middle that the
    // alignment names, and the top of the letters or their middle.
    QTest::addColumn<double>("expectedX");
    QTest::addColumn<double>("expectedY");

    // The box is 20, 30, 80 x 12 mm inside the margins.
    QTest::newRow("left, top") << Alignment::Left << false << 0.0 << 20.0 << 30.0;
    QTest::newRow("centred, top") << Alignment::Centre << false << 0.0 << 60.0 << 30.0;
    QTest::newRow("right, top") << Alignment::Right << false << 0.0 << 100.0 << 30.0;
    QTest::newRow("left, middle") << Alignment::Left << true << 0.0 << 20.0 << 36.0;
    QTest::newRow("centred, middle") << Alignment::Centre << true << 0.0 << 60.0 << 36.0;
    QTest::newRow("right, middle") << Alignment::Right << true << 0.0 << 100.0 << 36.0;
    QTest::newRow("left, top, 10 mm margins") << Alignment::Left << false << 10.0 << 30.0 << 40.0;
    QTest::newRow("right, middle, 10 mm margins") << Alignment::Right << true << 10.0 << 110.0 << 46.0;
}

void TestReportRendering::textStandsInItsBox()
{
    QFETCH(Alignment, alignment);
    QFETCH(bool, verticallyCentred);
    QFETCH(double, marginMm);
    QFETCH(double, expectedX);
    QFETCH(double, expectedY);
    SKIP_WITHOUT_PDF_READER();

    const PageTemplate pageTemplate = pageWith(
        {textBox({20.0, 30.0, 80.0, 12.0}, QStringLiteral("Alfa Beta"), alignment, verticallyCentred)},
        QMarginsF(marginMm, marginMm, marginMm, marginMm));
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    const auto found = pdf->find(QStringLiteral("Alfa Beta"));
    QCOMPARE(found.size(), 1);
    const QRectF words = found.first().box;
    switch (alignment) {
    case Alignment::Left: COMPARE_MM(words.left(), expectedX); break;
    case Alignment::Centre: COMPARE_MM(words.center().x(), expectedX); break;
    case Alignment::Right: COMPARE_MM(words.right(), expectedX); break;
    }
    if (verticallyCentred)
        COMPARE_MM(words.center().y(), expectedY);
    else
        COMPARE_MM(words.top(), expectedY);
}

void TestReportRendering::tooLongLineIsCutAtTheRightEdge_data()
{
    QTest::addColumn<Alignment>("alignment");
    QTest::newRow("left") << Alignment::Left;
    QTest::newRow("centred") << Alignment::Centre;
    QTest::newRow("right") << Alignment::Right;
}

void TestReportRendering::tooLongLineIsCutAtTheRightEdge()
{
    QFETCH(Alignment, alignment);
    SKIP_WITHOUT_PDF_READER();

    const QString value = numberedWords(60);
    const PageTemplate pageTemplate = pageWith({textBox({30.0, 50.0, 60.0, 5.0}, value, alignment)});
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    const QList<PdfWord> &words = pdf->pages().first().words;
    QVERIFY(!words.isEmpty());
    QVERIFY2(words.size() < 60, "the whole text was printed");

    // What shows is the beginning of the value, from the box's left edge,
    // on one line, and it stops at the right edge, less than a blank and a
    // "W" (4.8 mm at 11 pt) short of it.
    QStringList shown;
    for (const PdfWord &word : words) {
        shown.append(word.text);
        QVERIFY2(word.box.right() <= 90.0 + 0.05, qPrintable(word.text + QStringLiteral(" beyond the edge")));
        COMPARE_MM(word.box.center().y(), words.first().box.center().y());
    }
    QVERIFY(value.startsWith(shown.join(QLatin1Char(' '))));
    COMPARE_MM(words.first().box.left(), 30.0);
    QVERIFY2(90.0 - words.last().box.right() < 4.8, "the text stops short of the edge");
}

void TestReportRendering::wordWrapKeepsTheTextInsideTheBox()
{
    SKIP_WITHOUT_PDF_READER();
    TextBox box = textBox({30.0, 50.0, 50.0, 40.0}, numberedWords(20));
    box.wordWrap = true;
    const auto pdf = PdfText::renderAndRead(prepare(pageWith({box}), printDate), m_folder->path());
    QVERIFY(pdf);
    const QList<PdfWord> &words = pdf->pages().first().words;
    QCOMPARE(pdf->pageText(0), numberedWords(20));
    QSet<int> lineTops;
    for (const PdfWord &word : words) {
        QVERIFY(word.box.left() >= 30.0 - 0.05);
        QVERIFY(word.box.right() <= 80.0 + 0.05);
        QVERIFY(word.box.bottom() <= 90.0 + 0.05);
        lineTops.insert(qRound(word.box.top() * 10));
    }
    QVERIFY2(lineTops.size() >= 3, "the text did not wrap");
    COMPARE_MM(words.first().box.top(), 50.0);
}

void TestReportRendering::dateVariableIsReplaced()
{
    PageTemplate pageTemplate = pageWith({
        textBox({10.0, 10.0, 150.0, 6.0}, QStringLiteral("Stampa eseguita in data [DATE]")),
        textBox({10.0, 20.0, 150.0, 6.0}, QStringLiteral("[DATE] - [DATE]")),
        textBox({10.0, 30.0, 150.0, 6.0}, QStringLiteral("[date] [DATA]")),
    });
    pageTemplate.bands = {{QStringLiteral("Dati"), BandKind::Data, 0.0, 190.0, 50.0,
                           {textBox({0.0, 0.0, 150.0, 6.0}, QStringLiteral("Banda del [DATE]"))}}};

    const PreparedReport report = prepare(pageTemplate, printDate);
    QStringList texts;
    for (const Element &element : report.pages.first().elements)
        texts.append(std::get<TextBox>(element).text);
    QCOMPARE(texts, QStringList({QStringLiteral("Stampa eseguita in data 05/03/2024"),
                                 QStringLiteral("05/03/2024 - 05/03/2024"),
                                 QStringLiteral("[date] [DATA]"),
                                 QStringLiteral("Banda del 05/03/2024")}));
    // The template keeps its variable for the next printing.
    QCOMPARE(std::get<TextBox>(pageTemplate.elements.first()).text,
             QStringLiteral("Stampa eseguita in data [DATE]"));
    const PreparedReport later = prepare(pageTemplate, QDate(2026, 12, 31));
    QCOMPARE(std::get<TextBox>(later.pages.first().elements.first()).text,
             QStringLiteral("Stampa eseguita in data 31/12/2026"));

    SKIP_WITHOUT_PDF_READER();
    const auto pdf = PdfText::renderAndRead(report, m_folder->path());
    QVERIFY(pdf);
    QCOMPARE(pdf->find(QStringLiteral("Stampa eseguita in data 05/03/2024")).size(), 1);
    QCOMPARE(pdf->find(QStringLiteral("05/03/2024")).size(), 4);
    QVERIFY(!pdf->allText().contains(QStringLiteral("[DATE]")));
}

void TestReportRendering::textsSetByTheProgramPrintAsTheyAre()
{
    TextBox footer = textBox({10.0, 10.0, 150.0, 6.0}, QStringLiteral("Stampa eseguita in data [DATE]"));
    TextBox reason = textBox({10.0, 20.0, 150.0, 6.0}, QString());
    reason.name = QStringLiteral("txtCausale");
    TextBox lines = textBox({0.0, 0.0, 150.0, 12.0}, QString());
    lines.name = QStringLiteral("txtRighe");
    PageTemplate pageTemplate = pageWith({footer, reason});
    pageTemplate.bands = {{QStringLiteral("Dati"), BandKind::Data, 0.0, 190.0, 50.0, {lines}}};
    // What the user typed, which happens to hold the variable.
    QVERIFY(pageTemplate.setText(QStringLiteral("txtCausale"), QStringLiteral("Saldo [DATE]")));
    QVERIFY(pageTemplate.setLines(QStringLiteral("txtRighe"), {QStringLiteral("Nota [DATE]"), QStringLiteral("x")}));

    const PreparedReport report = prepare(pageTemplate, printDate);
    QStringList texts;
    for (const Element &element : report.pages.first().elements)
        texts.append(std::get<TextBox>(element).text);
    QCOMPARE(texts, QStringList({QStringLiteral("Stampa eseguita in data 05/03/2024"),
                                 QStringLiteral("Saldo [DATE]"), QStringLiteral("Nota [DATE]\nx")}));
}

void TestReportRendering::sheetsHaveTheReportsOrientation_data()
{
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::addColumn<QSizeF>("sheetMm");
    QTest::newRow("portrait") << QPageLayout::Portrait << QSizeF(210.0, 297.0);
    QTest::newRow("landscape") << QPageLayout::Landscape << QSizeF(297.0, 210.0);
}

void TestReportRendering::sheetsHaveTheReportsOrientation()
{
    QFETCH(QPageLayout::Orientation, orientation);
    QFETCH(QSizeF, sheetMm);
    SKIP_WITHOUT_PDF_READER();
    PageTemplate pageTemplate = pageWith({textBox({0.0, 0.0, 50.0, 5.0}, QStringLiteral("Angolo"))},
                                         QMarginsF(10.0, 10.0, 10.0, 10.0));
    pageTemplate.orientation = orientation;
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), 1);
    COMPARE_MM(pdf->pages().first().sizeMm.width(), sheetMm.width());
    COMPARE_MM(pdf->pages().first().sizeMm.height(), sheetMm.height());
    COMPARE_MM(pdf->find(QStringLiteral("Angolo")).value(0).box.left(), 10.0);
    COMPARE_MM(pdf->find(QStringLiteral("Angolo")).value(0).box.top(), 10.0);
}

void TestReportRendering::picturesAreDrawnAtTheirFittedSize()
{
    SKIP_WITHOUT_PDF_READER();
    QImage wide(300, 100, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    QImage tall(50, 200, QImage::Format_RGB32);
    tall.fill(Qt::darkRed);
    const PageTemplate pageTemplate = pageWith({
        // 50.8 x 50.8 mm is two inches: 300 pixels across give 150 ppi.
        PictureBox{QStringLiteral("imgLarga"), {10.0, 10.0, 50.8, 50.8}, wide, Scaling::KeepAspectRatio},
        PictureBox{QStringLiteral("imgAlta"), {10.0, 100.0, 50.8, 50.8}, tall, Scaling::Stretch},
        PictureBox{QStringLiteral("imgVuota"), {10.0, 200.0, 50.8, 50.8}, QImage(), Scaling::Stretch},
    });
    const QString file = QDir(m_folder->path()).filePath(QStringLiteral("immagini.pdf"));
    QVERIFY(writePdf(prepare(pageTemplate, printDate), file));
    const auto images = listPdfImages(file);
    QVERIFY(images);
    QCOMPARE(images->size(), 2);  // the empty picture draws nothing
    const PdfImage &kept = images->at(0);
    QCOMPARE(QSize(kept.widthPixels, kept.heightPixels), QSize(300, 100));
    QCOMPARE(qRound(kept.xPpi), 150);
    QCOMPARE(qRound(kept.yPpi), 150);  // not distorted
    const PdfImage &stretched = images->at(1);
    QCOMPARE(QSize(stretched.widthPixels, stretched.heightPixels), QSize(50, 200));
    QCOMPARE(qRound(stretched.xPpi), 25);
    QCOMPARE(qRound(stretched.yPpi), 100);
}

void TestReportRendering::renderFailsWhenPaintingCannotStart()
{
    const PreparedReport report = prepare(pageWith({textBox({0, 0, 50, 5}, QStringLiteral("x"))}), printDate);
    QPdfWriter writer(QDir(m_folder->path()).filePath(QStringLiteral("manca/file.pdf")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
    QVERIFY(!render(report, writer));
}

void TestReportRendering::writePdfFailsWithoutLeavingAFile()
{
    const PreparedReport report = prepare(pageWith({textBox({0, 0, 50, 5}, QStringLiteral("x"))}), printDate);
    const QString file = QDir(m_folder->path()).filePath(QStringLiteral("manca/documento.pdf"));
    QVERIFY(!writePdf(report, file));
    QVERIFY(!QFile::exists(file));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files).size(), 0);
}

void TestReportRendering::writePdfReplacesAnOlderFile()
{
    SKIP_WITHOUT_PDF_READER();
    const QString file = QDir(m_folder->path()).filePath(QStringLiteral("documento.pdf"));
    {
        QFile older(file);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("non un PDF");
    }
    QVERIFY(writePdf(prepare(pageWith({textBox({0, 0, 50, 5}, QStringLiteral("Nuovo"))}), printDate), file));
    const auto pdf = PdfText::read(file);
    QVERIFY(pdf);
    QCOMPARE(pdf->allText(), QStringLiteral("Nuovo"));
    // Only the document: no temporary file left beside it.
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList({QStringLiteral("documento.pdf")}));
}

void TestReportRendering::writePdfOnAFullDiskKeepsTheOlderFile_data()
{
    QTest::addColumn<int>("room");  // bytes the disk takes before it is full

    // A small PDF stays in the file's buffer until the file is closed: the
    // disk is found full only then.
    QTest::newRow("full at the last bytes") << 1000;
    QTest::newRow("full from the start") << 0;
}

void TestReportRendering::writePdfOnAFullDiskKeepsTheOlderFile()
{
    QFETCH(int, room);
    const QString file = QDir(m_folder->path()).filePath(QStringLiteral("documento.pdf"));
    {
        QFile older(file);
        QVERIFY(older.open(QIODevice::WriteOnly));
        QCOMPARE(older.write("non un PDF"), 10);
    }
    const PreparedReport report = prepare(pageWith({textBox({0, 0, 50, 5}, QStringLiteral("Nuovo"))}), printDate);
    {
        FileSizeLimit diskFull(static_cast<rlim_t>(room));
        QVERIFY(diskFull.isActive());
        QVERIFY(!writePdf(report, file));
    }
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("non un PDF"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("documento.pdf")}));
}

QTEST_MAIN(TestReportRendering)
#include "tst_reportrendering.moc"
