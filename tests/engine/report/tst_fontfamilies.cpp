#include "engine/report/FontFamilies.h"
#include "engine/report/PdfExport.h"
#include "engine/report/ReportLayout.h"

#include "PdfText.h"

#include <QDir>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTest>

class TestFontFamilies : public QObject
{
    Q_OBJECT
private slots:
    void resolve_data();
    void resolve();
    void fontCarriesTheSpec();
    void pdfEmbedsTheFontsDrawnWith();
};

void TestFontFamilies::resolve_data()
{
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");

    const QStringList linuxFonts = {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
                                    QStringLiteral("Liberation Mono"), QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Liberation Serif")};
    const QStringList windowsFonts = linuxFonts + QStringList{
        QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman"),
        QStringLiteral("Verdana"), QStringLiteral("Tahoma")};

    QTest::newRow("Arial installed") << "Arial" << windowsFonts << "Arial";
    QTest::newRow("Arial missing") << "Arial" << linuxFonts << "Liberation Sans";
    QTest::newRow("Courier New installed") << "Courier New" << windowsFonts << "Courier New";
    QTest::newRow("Courier New missing") << "Courier New" << linuxFonts << "Liberation Mono";
    QTest::newRow("Times New Roman missing") << "Times New Roman" << linuxFonts << "Liberation Serif";
    QTest::newRow("Verdana installed") << "Verdana" << windowsFonts << "Verdana";
    QTest::newRow("Verdana missing") << "Verdana" << linuxFonts << "DejaVu Sans";
    QTest::newRow("Tahoma missing") << "Tahoma" << linuxFonts << "DejaVu Sans";
    QTest::newRow("names compared without case") << "Arial" << QStringList{QStringLiteral("arial")} << "Arial";
    QTest::newRow("designed name in other case") << "courier new" << linuxFonts << "Liberation Mono";
    QTest::newRow("stand-in missing too") << "Arial" << QStringList{QStringLiteral("DejaVu Sans")} << "Arial";
    QTest::newRow("no stand-in known") << "Comic Sans MS" << linuxFonts << "Comic Sans MS";
    QTest::newRow("a stand-in itself") << "Liberation Sans" << linuxFonts << "Liberation Sans";
    QTest::newRow("nothing installed") << "Verdana" << QStringList() << "Verdana";
}

void TestFontFamilies::resolve()
{
    QFETCH(QString, designed);
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    QCOMPARE(Report::FontFamilies::resolve(designed, installed), expected);
}

void TestFontFamilies::fontCarriesTheSpec()
{
    const QFont font = Report::FontFamilies::font({QStringLiteral("Arial"), 12.5, true, true});
    QCOMPARE(font.family(), Report::FontFamilies::resolve(QStringLiteral("Arial"), QFontDatabase::families()));
    QCOMPARE(font.pointSizeF(), 12.5);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    const QFont plain = Report::FontFamilies::font({QStringLiteral("Courier New"), 8.0});
    QVERIFY(!plain.bold());
    QVERIFY(!plain.italic());
}

void TestFontFamilies::pdfEmbedsTheFontsDrawnWith()
{
    SKIP_WITHOUT_PDF_READER();
    using namespace Report;
    PageTemplate pageTemplate;
    double top = 10.0;
    for (const char *family : {"Arial", "Courier New", "Verdana"}) {
        TextBox box;
        box.name = QString::fromLatin1(family);
        box.box = {10.0, top, 100.0, 8.0};
        box.font = {box.name, 10.0};
        box.text = QStringLiteral("Prova");
        pageTemplate.elements.append(box);
        top += 10.0;
    }
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath(QStringLiteral("caratteri.pdf"));
    QVERIFY(writePdf(prepare(pageTemplate, QDate(2024, 3, 5)), file));
    const auto fonts = listPdfFonts(file);
    QVERIFY(fonts);
    QCOMPARE(fonts->size(), 3);
    for (const char *family : {"Arial", "Courier New", "Verdana"}) {
        // PostScript names drop the blanks: "Liberation Sans" is LiberationSans.
        const QString expected = FontFamilies::resolve(QString::fromLatin1(family)).remove(QLatin1Char(' '));
        QVERIFY2(fonts->filter(expected, Qt::CaseInsensitive).size() == 1,
                 qPrintable(expected + QStringLiteral(" not among ") + fonts->join(QStringLiteral(", "))));
    }
}

QTEST_MAIN(TestFontFamilies)
#include "tst_fontfamilies.moc"
