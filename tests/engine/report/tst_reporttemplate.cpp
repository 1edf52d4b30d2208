#include "LogCapture.h"
#include "engine/report/ReportTemplate.h"
#include "engine/report/TemplateFiller.h"

#include <QTest>

using namespace Report;

namespace {

TextBox textBox(const QString &name, const QString &text = QString())
{
    TextBox box;
    box.name = name;
    box.box = {10.0, 10.0, 50.0, 5.0};
    box.font = {QStringLiteral("Arial"), 10.0};
    box.text = text;
    return box;
}

// One of each kind on the page, and a text box inside a band.
PageTemplate sampleTemplate()
{
    PageTemplate pageTemplate;
    pageTemplate.reportName = QStringLiteral("Prova");
    pageTemplate.elements = {
        textBox(QStringLiteral("txtNome"), QStringLiteral("txtNome")),
        PictureBox{QStringLiteral("imgLogo"), {0.0, 0.0, 20.0, 10.0}, QImage(), Scaling::KeepAspectRatio},
        Line{.name = QStringLiteral("Line1"), .box = {0.0, 20.0, 100.0, 0.0}},
        Rectangle{.name = QStringLiteral("Shape1"), .box = {0.0, 30.0, 100.0, 10.0}},
    };
    pageTemplate.bands = {
        {QStringLiteral("MasterData"), BandKind::Data, 0.0, 190.0, 12.0,
         {textBox(QStringLiteral("txtRighe"))}},
    };
    return pageTemplate;
}

} // namespace

class TestReportTemplate : public QObject
{
    Q_OBJECT
private slots:
    void findsObjectsByNameAndKind_data();
    void findsObjectsByNameAndKind();
    void setsTextLinesPictureAndHeight();
    void setterChangesNothingForAMissingName();
    void fillerReportsEveryMissingNameOnce();
};

void TestReportTemplate::findsObjectsByNameAndKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isTextBox");
    QTest::addColumn<bool>("isPicture");
    QTest::addColumn<bool>("isBand");
    QTest::newRow("text box on the page") << "txtNome" << true << false << false;
    QTest::newRow("text box in a band") << "txtRighe" << true << false << false;
    QTest::newRow("picture") << "imgLogo" << false << true << false;
    QTest::newRow("band") << "MasterData" << false << false << true;
    QTest::newRow("a line is neither") << "Line1" << false << false << false;
    QTest::newRow("a shape is neither") << "Shape1" << false << false << false;
    QTest::newRow("missing") << "txtAssente" << false << false << false;
    QTest::newRow("names are matched exactly") << "TXTNOME" << false << false << false;
    QTest::newRow("empty name") << "" << false << false << false;
}

void TestReportTemplate::findsObjectsByNameAndKind()
{
    QFETCH(QString, name);
    QFETCH(bool, isTextBox);
    QFETCH(bool, isPicture);
    QFETCH(bool, isBand);
    PageTemplate pageTemplate = sampleTemplate();
    const PageTemplate &constTemplate = pageTemplate;
    QCOMPARE(pageTemplate.textBox(name) != nullptr, isTextBox);
    QCOMPARE(constTemplate.textBox(name) != nullptr, isTextBox);
    QCOMPARE(pageTemplate.picture(name) != nullptr, isPicture);
    QCOMPARE(constTemplate.picture(name) != nullptr, isPicture);
    QCOMPARE(pageTemplate.band(name) != nullptr, isBand);
    if (isTextBox)
        QCOMPARE(pageTemplate.textBox(name)->name, name);
    if (isPicture)
        QCOMPARE(pageTemplate.picture(name)->name, name);
}

void TestReportTemplate::setsTextLinesPictureAndHeight()
{
    PageTemplate pageTemplate = sampleTemplate();
    QVERIFY(pageTemplate.setText(QStringLiteral("txtNome"), QStringLiteral("Mario Rossi")));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtNome"))->text, QStringLiteral("Mario Rossi"));

    QVERIFY(pageTemplate.setLines(QStringLiteral("txtRighe"),
                                  {QStringLiteral("uno"), QStringLiteral(""), QStringLiteral("tre")}));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtRighe"))->text, QStringLiteral("uno\n\ntre"));
    QVERIFY(pageTemplate.setLines(QStringLiteral("txtRighe"), {}));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtRighe"))->text, QString());

    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(pageTemplate.setPicture(QStringLiteral("imgLogo"), picture));
    QCOMPARE(pageTemplate.picture(QStringLiteral("imgLogo"))->image.size(), QSize(4, 2));

    QVERIFY(pageTemplate.setHeight(QStringLiteral("txtRighe"), 33.9));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtRighe"))->box.height, 33.9);
    QVERIFY(pageTemplate.setHeight(QStringLiteral("MasterData"), 36.5));
    QCOMPARE(pageTemplate.band(QStringLiteral("MasterData"))->heightMm, 36.5);
}

void TestReportTemplate::setterChangesNothingForAMissingName()
{
    PageTemplate pageTemplate = sampleTemplate();
    QVERIFY(!pageTemplate.setText(QStringLiteral("txtAssente"), QStringLiteral("x")));
    QVERIFY(!pageTemplate.setLines(QStringLiteral("txtAssente"), {QStringLiteral("x")}));
    QVERIFY(!pageTemplate.setPicture(QStringLiteral("txtNome"), QImage(2, 2, QImage::Format_RGB32)));
    QVERIFY(!pageTemplate.setText(QStringLiteral("imgLogo"), QStringLiteral("x")));
    QVERIFY(!pageTemplate.setHeight(QStringLiteral("Shape1"), 5.0));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtNome"))->text, QStringLiteral("txtNome"));
    QVERIFY(pageTemplate.picture(QStringLiteral("imgLogo"))->image.isNull());
}

void TestReportTemplate::fillerReportsEveryMissingNameOnce()
{
    PageTemplate pageTemplate = sampleTemplate();
    const LogCapture log;
    TemplateFiller filler(pageTemplate);
    filler.setText(QStringLiteral("txtNome"), QStringLiteral("Mario"))
        .setText(QStringLiteral("txtCognome"), QStringLiteral("Rossi"))
        .setPicture(QStringLiteral("imgFirma"), QImage())
        .setHeight(QStringLiteral("txtCognome"), 4.0)
        .setLines(QStringLiteral("txtRighe"), {QStringLiteral("a")});
    QVERIFY(!filler.result().succeeded());
    QCOMPARE(filler.result().missingObjects,
             QStringList({QStringLiteral("txtCognome"), QStringLiteral("imgFirma")}));
    // The user hears of a printer problem; the log names what is missing.
    const QStringList logged = log.messages(QStringLiteral("vacanzio.report"));
    QCOMPARE(logged.size(), 2);
    QVERIFY2(logged.at(0).contains(QStringLiteral("txtCognome")) && logged.at(1).contains(QStringLiteral("imgFirma")),
             qPrintable(logged.join(QLatin1Char('|'))));
    // What was found is set all the same.
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtNome"))->text, QStringLiteral("Mario"));
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtRighe"))->text, QStringLiteral("a"));

    PageTemplate complete = sampleTemplate();
    TemplateFiller allFound(complete);
    allFound.setText(QStringLiteral("txtNome"), QString());
    QVERIFY(allFound.result().succeeded());
}

QTEST_MAIN(TestReportTemplate)
#include "tst_reporttemplate.moc"
