#include "engine/receipts/DefaultLogo.h"
#include "engine/print/ReceiptDocument.h"
#include "engine/report/PdfExport.h"
#include "engine/report/ReportLayout.h"

#include "PdfText.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {

const QDate printDate(2024, 3, 5);

// A receipt for 1250 euros and 50 cents, as the receipt window shows it
// (with blanks around the values that the receipt must not print).
QHash<QString, QString> sampleReceipt()
{
    return {
        {"txtNumRic", " 17/2024 "},
        {"txtData", "05/03/2024"},
        {"txtRicevente01", "Mario Rossi  "},
        {"txtRicevente02", "Via Roma 1"},
        {"txtRicevente03", "00100 Roma"},
        {"txtRicevente04", "C.F. RSSMRA70A01H501U"},
        {"txtPagatore01", "Giulia Bianchi"},
        {"txtPagatore02", "Via Milano 2, Torino"},
        {"txtCausale01", "Saldo soggiorno"},
        {"txtCausale02", "dal 01/03/2024 al 05/03/2024"},
        {"txtImpLettere", "MILLEDUECENTOCINQUANTA"},
        {"txtCentLettere", "50"},
        {"txtImporto", "1250"},
        {"txtCents", "50"},
        {"txtIntero", "1250,50"},
    };
}

FieldLookup windowShowing(const QHash<QString, QString> &values)
{
    return [values](const QString &control) { return values.value(control); };
}

QImage sampleLogo()
{
    QImage logo(297, 184, QImage::Format_RGB32);
    logo.fill(Qt::darkCyan);
    return logo;
}

} // namespace

class TestReceiptDocument : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void templateIsTheReceipts();
    void fillSetsBothCopies();
    void bothCopiesCarryTheData_data();
    void bothCopiesCarryTheData();
    void fixedTextsOfBothCopies_data();
    void fixedTextsOfBothCopies();
    void cutLineStopsAtItsBox();
    void receiptRightAfterNew();
    void wordsLongerThanTheBarAreCut();
    void logoIsScaledIntoBothBoxes();
    void removedLogoLeavesBothBoxesEmpty();
    void missingObjectIsReported_data();
    void missingObjectIsReported();

private:
    std::optional<PdfText> print(const QHash<QString, QString> &values, const QImage &logo = sampleLogo());

    std::optional<QTemporaryDir> m_folder;
};

void TestReceiptDocument::init()
{
    m_folder.emplace();
    QVERIFY(m_folder->isValid());
}

std::optional<PdfText> TestReceiptDocument::print(const QHash<QString, QString> &values, const QImage &logo)
{
    PageTemplate pageTemplate = ReceiptDocument::pageTemplate();
    if (!ReceiptDocument::fill(pageTemplate, windowShowing(values), logo).succeeded())
        return std::nullopt;
    return PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
}

void TestReceiptDocument::templateIsTheReceipts()
{
    const PageTemplate pageTemplate = ReceiptDocument::pageTemplate();
    QCOMPARE(pageTemplate.reportName, QStringLiteral("Ricevuta Generica"));
    QCOMPARE(pageTemplate.pageSize, QPageSize::A4);
    QCOMPARE(pageTemplate.orientation, QPageLayout::Portrait);
    QCOMPARE(pageTemplate.marginsMm, QMarginsF());
    QCOMPARE(pageTemplate.elements.size(), 76);
    // The pictures of the design are there; the logos wait for the landlord's.
    for (const char *name : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6", "Picture7"})
        QVERIFY2(!pageTemplate.picture(QString::fromLatin1(name))->image.isNull(), name);
    QVERIFY(pageTemplate.picture(QStringLiteral("imgLogo"))->image.isNull());
    QCOMPARE(pageTemplate.picture(QStringLiteral("imgLogo"))->scaling, Scaling::KeepAspectRatio);
    QCOMPARE(pageTemplate.picture(QStringLiteral("imgLogo_B"))->box, (BoxMm{14.0, 169.0, 39.4, 22.0}));
    // The lower date box is 1 mm higher than the upper one.
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtData"))->box.height, 5.0);
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtData_B"))->box.height, 6.0);
}

void TestReceiptDocument::fillSetsBothCopies()
{
    PageTemplate pageTemplate = ReceiptDocument::pageTemplate();
    QVERIFY(ReceiptDocument::fill(pageTemplate, windowShowing(sampleReceipt()), sampleLogo()).succeeded());
    const QList<std::pair<const char *, QString>> expected = {
        {"txtNumRic", "Ricevuta n. 17/2024"},
        {"txtData", "Data:  05/03/2024"},
        {"txtRicevente01", "Mario Rossi"},
        {"txtRicevente04", "C.F. RSSMRA70A01H501U"},
        {"txtPagatore02", "Via Milano 2, Torino"},
        {"txtCausale01", "Saldo soggiorno"},
        {"txtImpLettere", "MILLEDUECENTOCINQUANTA/50"},
        {"txtImporto", "1250"},
        {"txtCents", "50"},
    };
    for (const auto &[name, text] : expected) {
        QCOMPARE(pageTemplate.textBox(QString::fromLatin1(name))->text, text);
        QCOMPARE(pageTemplate.textBox(QString::fromLatin1(name) + QStringLiteral("_B"))->text, text);
    }
}

void TestReceiptDocument::bothCopiesCarryTheData_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<char>("alignment");  // 'L'eft edge, 'C'entre, 'R'ight edge
    QTest::addColumn<char>("vertical");   // 'T'op of the letters, 'M'iddle
    QTest::addColumn<double>("xA");
    QTest::addColumn<double>("yA");
    QTest::addColumn<double>("xB");
    QTest::addColumn<double>("yB");

    QTest::newRow("number") << "Ricevuta n. 17/2024" << 'L' << 'M' << 146.0 << 16.6 + 2.5 << 146.0 << 172.0 + 2.5;
    QTest::newRow("date, lower box higher") << "Data: 05/03/2024" << 'L' << 'M' << 146.0 << 28.8 + 2.5
                                           << 146.0 << 183.2 + 3.0;
    QTest::newRow("payee, first line") << "Mario Rossi" << 'L' << 'T' << 55.0 << 14.0 << 55.0 << 169.0;
    QTest::newRow("payee, second line") << "Via Roma 1" << 'L' << 'T' << 55.0 << 20.0 << 55.0 << 175.0;
    QTest::newRow("payee, third line") << "00100 Roma" << 'L' << 'T' << 55.0 << 26.0 << 55.0 << 181.0;
    QTest::newRow("payee, fourth line") << "C.F. RSSMRA70A01H501U" << 'L' << 'T' << 55.0 << 32.0 << 55.0 << 187.0;
    QTest::newRow("payer, first line") << "Giulia Bianchi" << 'L' << 'T' << 39.0 << 41.0 << 39.0 << 197.0;
    QTest::newRow("payer, second line") << "Via Milano 2, Torino" << 'L' << 'T' << 39.0 << 46.0 << 39.0 << 202.0;
    QTest::newRow("words and cents") << "MILLEDUECENTOCINQUANTA/50" << 'L' << 'T' << 26.2 << 54.0 << 26.0 << 210.0;
    QTest::newRow("reason, first line") << "Saldo soggiorno" << 'L' << 'T' << 27.0 << 66.0 << 27.0 << 221.6;
    QTest::newRow("reason, second line") << "dal 01/03/2024 al 05/03/2024" << 'L' << 'T' << 27.0 << 71.0
                                        << 27.0 << 226.6;
    QTest::newRow("euros, right-aligned") << "1250" << 'R' << 'M' << 181.0 << 89.2 + 3.5 << 181.0 << 244.4 + 3.5;
}

void TestReceiptDocument::bothCopiesCarryTheData()
{
    QFETCH(QString, phrase);
    QFETCH(char, alignment);
    QFETCH(char, vertical);
    QFETCH(double, xA);
    QFETCH(double, yA);
    QFETCH(double, xB);
    QFETCH(double, yB);
    SKIP_WITHOUT_PDF_READER();

    const auto pdf = print(sampleReceipt());
    QVERIFY(pdf);
    const auto found = pdf->find(phrase);
    QCOMPARE(found.size(), 2);
    const QList<std::pair<QRectF, QPointF>> copies = {{found.at(0).box, {xA, yA}},
                                                      {found.at(1).box, {xB, yB}}};
    for (const auto &[box, expected] : copies) {
        const double x = alignment == 'L' ? box.left() : alignment == 'R' ? box.right() : box.center().x();
        const double y = vertical == 'T' ? box.top() : box.center().y();
        COMPARE_MM(x, expected.x());
        COMPARE_MM(y, expected.y());
    }
}

void TestReceiptDocument::fixedTextsOfBothCopies_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QList<QPointF>>("places");  // left edge or middle, then middle or top
    QTest::addColumn<char>("alignment");
    QTest::addColumn<char>("vertical");

    QTest::newRow("received from") << "Ricevuti da" << QList<QPointF>{{17.0, 41.0}, {17.0, 197.0}} << 'L' << 'T';
    QTest::newRow("for") << "Per" << QList<QPointF>{{17.0, 66.0}, {17.0, 221.6}} << 'L' << 'T';
    QTest::newRow("in words") << "(IN LETTERE)" << QList<QPointF>{{109.5, 60.0}, {109.5, 216.0}} << 'C' << 'T';
    QTest::newRow("in figures") << "(IN CIFRE)" << QList<QPointF>{{163.5, 98.0}, {163.5, 253.0}} << 'C' << 'T';
    QTest::newRow("total") << "TOTALE :" << QList<QPointF>{{117.0, 88.8}, {117.0, 243.8}} << 'R' << 'T';
    QTest::newRow("signature") << "(FIRMA)" << QList<QPointF>{{144.0, 117.0}, {144.0, 272.0}} << 'C' << 'T';
    QTest::newRow("stamp, upper copy") << "BOLLO VIGENTE" << QList<QPointF>{{41.5, 98.5}} << 'C' << 'M';
    QTest::newRow("stamp, lower copy") << "BOLLO APPOSTO SULL'ORIGINALE" << QList<QPointF>{{42.0, 253.9}} << 'C' << 'M';
    QTest::newRow("where required") << "(OVE RICHIESTO)" << QList<QPointF>{{41.5, 103.5}, {42.0, 258.9}} << 'C' << 'M';
    QTest::newRow("payer's copy") << "COPIA PER IL PAGATORE" << QList<QPointF>{{11.5, 128.2}} << 'L' << 'M';
    QTest::newRow("payee's copy") << "COPIA PER IL RICEVENTE" << QList<QPointF>{{11.5, 283.2}} << 'L' << 'M';
}

void TestReceiptDocument::fixedTextsOfBothCopies()
{
    QFETCH(QString, phrase);
    QFETCH(QList<QPointF>, places);
    QFETCH(char, alignment);
    QFETCH(char, vertical);
    SKIP_WITHOUT_PDF_READER();

    const auto pdf = print(sampleReceipt());
    QVERIFY(pdf);
    const auto found = pdf->find(phrase);
    QCOMPARE(found.size(), places.size());
    for (qsizetype i = 0; i < places.size(); ++i) {
        const QRectF box = found.at(i).box;
        const double x = alignment == 'L' ? box.left() : alignment == 'R' ? box.right() : box.center().x();
        const double y = vertical == 'T' ? box.top() : box.center().y();
        COMPARE_MM(x, places.at(i).x());
        COMPARE_MM(y, places.at(i).y());
    }
}

void TestReceiptDocument::cutLineStopsAtItsBox()
{
    SKIP_WITHOUT_PDF_READER();
    const auto pdf = print(sampleReceipt());
    QVERIFY(pdf);
    // 100 hyphens at 18 pt are longer than the 185 mm box: it shows as many
    // as fit, from 16 mm to at most 201 mm.
    const QList<PdfWord> line = pdf->wordsInside(0, QRectF(12.0, 143.0, 195.0, 9.0));
    QCOMPARE(line.size(), 1);
    QVERIFY(line.first().text.size() < 100);
    QCOMPARE(line.first().text, QString(line.first().text.size(), QLatin1Char('-')));
    COMPARE_MM(line.first().box.left(), 16.0);
    QVERIFY(line.first().box.right() <= 201.0 + 0.05);
    QVERIFY(line.first().box.right() > 201.0 - 2.5);
}

void TestReceiptDocument::receiptRightAfterNew()
{
    SKIP_WITHOUT_PDF_READER();
    // No number, no date, no amount: the cents show their design "00".
    const auto pdf = print({{"txtCents", "00"}, {"txtCentLettere", "00"}});
    QVERIFY(pdf);
    const QString text = pdf->allText();
    QVERIFY2(!text.contains(QStringLiteral("txt")), qPrintable(text));
    for (const PdfPhrase &number : pdf->find(QStringLiteral("Ricevuta n."))) {
        // Nothing follows "Ricevuta n." in its box.
        QCOMPARE(pdf->wordsInside(0, QRectF(146.0, number.box.top() - 0.5, 49.0, number.box.height() + 1.0)).size(), 2);
    }
    QCOMPARE(pdf->find(QStringLiteral("Ricevuta n.")).size(), 2);
    QCOMPARE(pdf->find(QStringLiteral("Data:")).size(), 2);
    QCOMPARE(pdf->find(QStringLiteral("/00")).size(), 2);
    QCOMPARE(pdf->find(QStringLiteral("00")).size(), 2);  // the cents boxes
    const auto cents = pdf->find(QStringLiteral("00"));
    COMPARE_MM(cents.at(0).box.center().x(), 190.5);
    COMPARE_MM(cents.at(1).box.center().x(), 190.5);
    // The euros boxes are empty.
    QVERIFY(pdf->wordsInside(0, QRectF(132.0, 89.2, 49.0, 7.0)).isEmpty());
    QVERIFY(pdf->wordsInside(0, QRectF(132.0, 244.4, 49.0, 7.0)).isEmpty());
}

void TestReceiptDocument::wordsLongerThanTheBarAreCut()
{
    SKIP_WITHOUT_PDF_READER();
    QHash<QString, QString> receipt = sampleReceipt();
    receipt.insert(QStringLiteral("txtImpLettere"),
                   QStringLiteral("NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE").repeated(3));
    const auto pdf = print(receipt);
    QVERIFY(pdf);
    // Copy A's bar starts at 26.2 mm, copy B's at 26.0; both are 167 mm long.
    const QList<std::pair<double, double>> bars = {{26.2, 54.0}, {26.0, 210.0}};
    for (const auto &[left, top] : bars) {
        const QList<PdfWord> shown = pdf->wordsInside(0, QRectF(left - 1.0, top, 185.0, 4.0));
        QCOMPARE(shown.size(), 1);
        const QString words = shown.first().text;
        QVERIFY(receipt.value(QStringLiteral("txtImpLettere")).startsWith(words));
        QVERIFY(!words.contains(QLatin1Char('/')));  // the cents were cut away with the rest
        COMPARE_MM(shown.first().box.left(), left);
        QVERIFY(shown.first().box.right() <= left + 167.0 + 0.05);
        QVERIFY(shown.first().box.right() > left + 167.0 - 3.0);
        // Nothing wraps onto a second line: below the bar is only its caption.
        QStringList below;
        for (const PdfWord &word : pdf->wordsInside(0, QRectF(left - 1.0, top + 4.0, 185.0, 5.0)))
            below.append(word.text);
        QCOMPARE(below, QStringList({QStringLiteral("(IN"), QStringLiteral("LETTERE)")}));
    }
}

void TestReceiptDocument::logoIsScaledIntoBothBoxes()
{
    PageTemplate pageTemplate = ReceiptDocument::pageTemplate();
    QVERIFY(ReceiptDocument::fill(pageTemplate, windowShowing(sampleReceipt()), defaultLogoImage()).succeeded());
    QCOMPARE(pageTemplate.picture(QStringLiteral("imgLogo"))->image.size(), QSize(297, 184));
    QCOMPARE(pageTemplate.picture(QStringLiteral("imgLogo_B"))->image.size(), QSize(297, 184));

    SKIP_WITHOUT_PDF_READER();
    const QString file = QDir(m_folder->path()).filePath(QStringLiteral("ricevuta.pdf"));
    QVERIFY(writePdf(prepare(pageTemplate, printDate), file));
    const auto images = listPdfImages(file);
    QVERIFY(images);
    QList<PdfImage> logos;
    std::copy_if(images->cbegin(), images->cend(), std::back_inserter(logos),
                 [](const PdfImage &image) { return image.widthPixels == 297 && image.heightPixels == 184; });
    QCOMPARE(logos.size(), 2);
    for (const PdfImage &logo : logos) {
        // 184 pixels over the box's 22 mm: 212 pixels an inch both ways.
        QCOMPARE(qRound(logo.yPpi), qRound(184 / (22.0 / 25.4)));
        QCOMPARE(qRound(logo.xPpi), qRound(logo.yPpi));
    }
    // Besides the logos: four euro signs, two commas and the scissors.
    QCOMPARE(images->size(), 2 + 7);
}

void TestReceiptDocument::removedLogoLeavesBothBoxesEmpty()
{
    PageTemplate pageTemplate = ReceiptDocument::pageTemplate();
    QVERIFY(ReceiptDocument::fill(pageTemplate, windowShowing(sampleReceipt()), QImage()).succeeded());
    QVERIFY(pageTemplate.picture(QStringLiteral("imgLogo"))->image.isNull());
    QVERIFY(pageTemplate.picture(QStringLiteral("imgLogo_B"))->image.isNull());

    SKIP_WITHOUT_PDF_READER();
    const QString file = QDir(m_folder->path()).filePath(QStringLiteral("ricevuta.pdf"));
    QVERIFY(writePdf(prepare(pageTemplate, printDate), file));
    const auto images = listPdfImages(file);
    QVERIFY(images);
    QCOMPARE(images->size(), 7);
}

void TestReceiptDocument::missingObjectIsReported_data()
{
    QTest::addColumn<QString>("removed");
    QTest::newRow("upper logo") << "imgLogo";
    QTest::newRow("lower logo") << "imgLogo_B";
    QTest::newRow("upper number") << "txtNumRic";
    QTest::newRow("lower cents") << "txtCents_B";
    QTest::newRow("lower words") << "txtImpLettere_B";
}

void TestReceiptDocument::missingObjectIsReported()
{
    QFETCH(QString, removed);
    PageTemplate pageTemplate = ReceiptDocument::pageTemplate();
    QCOMPARE(pageTemplate.elements.removeIf([&](const Element &e) { return elementName(e) == removed; }), 1);
    const FillResult result = ReceiptDocument::fill(pageTemplate, windowShowing(sampleReceipt()), sampleLogo());
    QVERIFY(!result.succeeded());
    QCOMPARE(result.missingObjects, QStringList{removed});
}

QTEST_MAIN(TestReceiptDocument)
#include "tst_receiptdocument.moc"
