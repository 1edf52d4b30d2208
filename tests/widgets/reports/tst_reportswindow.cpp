#include "ArchiveFixture.h"
#include "CardTestTools.h"
#include "FakePlatform.h"
#include "FakePrintDialog.h"
#include "PdfText.h"
#include "XlsxSheet.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/reports/YearSummary.h"
#include "engine/settings/IniFile.h"
#include "engine/tax/TaxRuleFile.h"
#include "widgets/app/TfrmAvvio.h"
#include "widgets/reports/TfrmRapporti.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using CardTestTools::control;

// The reports window: one design for the three reports, each with its
// parameters and its four ways out.
class TestReportsWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void openedFromTheHomeWindow();
    void parametersFollowTheReport_data();
    void parametersFollowTheReport();
    void comuniAndPropertiesComeFromTheArchives();
    void taxReturnSavedAsPdf();
    void registerPrintedThroughThePrintDialog();
    void workbooksInTheProgramFolder_data();
    void workbooksInTheProgramFolder();
    void summarySettingsAreKept();
    void thresholdSavedIsTheOneReadBack();
    void typedSettingsUsedWhenTheyCannotBeSaved();
    void wrongSettingIsRefused();
    void taxReturnNeedsAComune();

private:
    std::unique_ptr<TfrmRapporti> open();
    void choose(QWidget *window, int report);
    void click(QWidget *window, const char *name) { control<QPushButton>(window, QLatin1String(name))->click(); }

    std::unique_ptr<FakePlatform> m_platform;
};

namespace {

TaxRule rule(const QString &code, const char *name, const char *province)
{
    return TaxRule{code, QString::fromLatin1(name), QString::fromLatin1(province), QDate(2026, 1, 1), QDate(), 150,
                   0, 0, false};
}

ArchiveFixture::Fields contract(const QByteArray &tenant, const QByteArray &street, const QByteArray &from,
                                const QByteArray &to)
{
    return {{"Locatore", "BIANCHI LUCIA"}, {"CodFiscLoc", "BNCLCU70A41H294K"}, {"Conduttore", tenant},
            {"InizioCon", from},           {"FineCon", to},                     {"ComuneImm", "RIMINI"},
            {"ProvImm", "RN"},             {"ViaImm", street},                  {"ComuneRes", "BOLOGNA"},
            {"ProvRes", "BO"},             {"ImpCanone", "500,00"}};
}

QStringList items(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

void TestReportsWindow::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_platform->clock = QDateTime(QDate(2026, 4, 15), QTime(9, 0));
    const RecordLayout &layout = RecordLayouts::contratto();
    QVERIFY(ArchiveFixture::write(m_platform->filePath(layout.archiveName()),
                                  {ArchiveFixture::record(layout, contract("ROSSI MARIO", "Via Roma 1", "30/03/2026",
                                                                           "02/04/2026")),
                                   ArchiveFixture::record(layout, contract("VERDI LUCA", "Via Mare 2", "10/04/2026",
                                                                           "12/04/2026"))}));
    QVERIFY(TaxRuleFile::save(m_platform->folder(), {rule(QStringLiteral("408099014"), "RIMINI", "RN"),
                                                      rule(QStringLiteral("408037006"), "BOLOGNA", "BO")}));
}

void TestReportsWindow::cleanup()
{
    m_platform.reset();
}

std::unique_ptr<TfrmRapporti> TestReportsWindow::open()
{
    auto window = std::make_unique<TfrmRapporti>();
    window->show();
    return window;
}

void TestReportsWindow::choose(QWidget *window, int report)
{
    control<QComboBox>(window, QStringLiteral("cboRapporto"))->setCurrentIndex(report);
}

void TestReportsWindow::openedFromTheHomeWindow()
{
    TfrmAvvio home;
    QVERIFY(CardTestTools::showAndActivate(&home));
    QWidget *icon = control(&home, QStringLiteral("imgRapporti"));
    QVERIFY(!icon->toolTip().isEmpty());
    QString opened;
    CardTestTools::onNextModal([&](QWidget *shown) {
        opened = shown->objectName();
        QVERIFY(shown->isModal());
        control<QPushButton>(shown, QStringLiteral("cmdChiudi"))->click();
    });
    QTest::mouseClick(icon, Qt::LeftButton);
    QCOMPARE(opened, QStringLiteral("frmRapporti"));
}

void TestReportsWindow::parametersFollowTheReport_data()
{
    QTest::addColumn<int>("report");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("allProperties");
    QTest::newRow("tax return") << 0 << QStringList{"cboPeriodo", "cboComune"} << false;
    QTest::newRow("yearly summary") << 1 << QStringList{"cboImmobile", "txtSogliaImpresa"} << true;
    QTest::newRow("register") << 2 << QStringList{"cboMese", "cboImmobile"} << false;
}

void TestReportsWindow::parametersFollowTheReport()
{
    QFETCH(int, report);
    QFETCH(QStringList, shown);
    QFETCH(bool, allProperties);
    const auto window = open();
    choose(window.get(), 2 - report);  // from another report first
    choose(window.get(), report);
    QVERIFY(control(window.get(), QStringLiteral("txtAnno"))->isVisible());
    for (const char *name : {"cboPeriodo", "cboMese", "cboComune", "cboImmobile", "txtSogliaImpresa"}) {
        const QString control = QString::fromLatin1(name);
        QCOMPARE(CardTestTools::control(window.get(), control)->isVisible(), shown.contains(control));
    }
    auto *properties = control<QComboBox>(window.get(), QStringLiteral("cboImmobile"));
    QCOMPARE(items(properties).contains(QStringLiteral("Tutti gli immobili")), allProperties);
    QCOMPARE(properties->count(), allProperties ? 3 : 2);
}

void TestReportsWindow::comuniAndPropertiesComeFromTheArchives()
{
    const auto window = open();
    QCOMPARE(items(control<QComboBox>(window.get(), QStringLiteral("cboComune"))),
             (QStringList{"BOLOGNA (BO)", "RIMINI (RN)"}));
    choose(window.get(), 2);
    QCOMPARE(items(control<QComboBox>(window.get(), QStringLiteral("cboImmobile"))),
             (QStringList{"Via Mare 2 - RIMINI (RN)", "Via Roma 1 - RIMINI (RN)"}));
    // Today's year, quarter and month to start with.
    QCOMPARE(control<QSpinBox>(window.get(), QStringLiteral("txtAnno"))->value(), 2026);
    QCOMPARE(control<QComboBox>(window.get(), QStringLiteral("cboPeriodo"))->currentText(),
             QStringLiteral("2° trimestre"));
    QCOMPARE(control<QComboBox>(window.get(), QStringLiteral("cboMese"))->currentText(), QStringLiteral("aprile"));
}

void TestReportsWindow::taxReturnSavedAsPdf()
{
    SKIP_WITHOUT_PDF_READER();
    const auto window = open();
    auto *comuni = control<QComboBox>(window.get(), QStringLiteral("cboComune"));
    comuni->setCurrentIndex(comuni->findText(QStringLiteral("RIMINI (RN)")));
    control<QComboBox>(window.get(), QStringLiteral("cboPeriodo"))->setCurrentIndex(0);
    const QString pdf = m_platform->filePath("dichiarazione.pdf");
    m_platform->saveChoices = {pdf};
    click(window.get(), "cmdPdf");
    QCOMPARE(m_platform->proposedSavePaths,
             QStringList{m_platform->filePath("Imposta di soggiorno RIMINI (RN) 1° trimestre 2026.pdf")});
    const std::optional<PdfText> text = PdfText::read(pdf);
    QVERIFY(text);
    for (const char *phrase : {"COMUNE DI RIMINI (RN) - 1° TRIMESTRE 2026", "ROSSI MARIO", "30/03/2026",
                               "Imposta dovuta: € 3,00."})
        QVERIFY2(!text->find(QString::fromUtf8(phrase)).isEmpty(), phrase);
    // The second quarter has the night of 1 April and the other stay.
    control<QComboBox>(window.get(), QStringLiteral("cboPeriodo"))->setCurrentIndex(1);
    m_platform->saveChoices = {pdf};
    click(window.get(), "cmdPdf");
    QVERIFY(!PdfText::read(pdf)->find(QStringLiteral("Imposta dovuta: € 4,50.")).isEmpty());
}

void TestReportsWindow::registerPrintedThroughThePrintDialog()
{
    SKIP_WITHOUT_PDF_READER();
    FakePrintDialog dialog;
    const auto window = open();
    choose(window.get(), 2);
    auto *properties = control<QComboBox>(window.get(), QStringLiteral("cboImmobile"));
    properties->setCurrentIndex(properties->findText(QStringLiteral("Via Roma 1 - RIMINI (RN)")));
    control<QComboBox>(window.get(), QStringLiteral("cboMese"))->setCurrentIndex(2);
    click(window.get(), "cmdStampa");
    QCOMPARE(dialog.shown, 1);
    QVERIFY(!QFile::exists(m_platform->filePath("stampa.pdf")));
    dialog.answer = true;
    dialog.pdfPath = m_platform->filePath("stampa.pdf");
    click(window.get(), "cmdStampa");
    const std::optional<PdfText> text = PdfText::read(dialog.pdfPath);
    QVERIFY(text);
    QVERIFY(!text->find(QStringLiteral("MOVIMENTO DEI CLIENTI - MARZO 2026")).isEmpty());
    QVERIFY(!text->find(QStringLiteral("Struttura: Via Roma 1 - RIMINI (RN).")).isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestReportsWindow::workbooksInTheProgramFolder_data()
{
    QTest::addColumn<int>("report");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sheet");
    QTest::newRow("tax return") << 0 << "Imposta_Soggiorno.xlsx" << "Imposta di soggiorno";
    QTest::newRow("yearly summary") << 1 << "Riepilogo_Annuale.xlsx" << "Immobili";
    QTest::newRow("register") << 2 << "Movimento_Clienti.xlsx" << "Movimento giornaliero";
}

void TestReportsWindow::workbooksInTheProgramFolder()
{
    QFETCH(int, report);
    QFETCH(QString, file);
    QFETCH(QString, sheet);
    const auto window = open();
    choose(window.get(), report);
    m_platform->answers = {true};
    click(window.get(), "cmdExcel");
    const QString path = m_platform->filePath(file);
    QCOMPARE(m_platform->questions, QStringList{QStringLiteral("Le schede in archivio sono state esportate con "
                                                               "successo.\r\n\r\nSi vuole aprire il file di Excel?")});
    QCOMPARE(m_platform->shellCommands, QStringList{QLatin1Char('"') + path + QLatin1Char('"')});
    const XlsxSheet first = XlsxSheet::read(path);
    QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
    QCOMPARE(first.sheetNames.first(), sheet);
    QVERIFY(first.cells.size() >= 2);
}

void TestReportsWindow::summarySettingsAreKept()
{
    const auto window = open();
    choose(window.get(), 1);
    QCOMPARE(CardTestTools::textOf(control(window.get(), QStringLiteral("txtSogliaImpresa"))), QStringLiteral("3"));
    QCOMPARE(CardTestTools::textOf(control(window.get(), QStringLiteral("txtCedolarePrima"))), QStringLiteral("21"));
    control<QLineEdit>(window.get(), QStringLiteral("txtSogliaImpresa"))->setText(QStringLiteral("1"));
    control<QLineEdit>(window.get(), QStringLiteral("txtCedolareAltre"))->setText(QStringLiteral("26,5"));
    click(window.get(), "cmdExcel");
    const YearSummary::Settings stored = YearSummary::readSettings(m_platform->filePath("Rovoziv.ini"));
    QCOMPARE(stored, (YearSummary::Settings{1, 2100, 2650}));
    // With a threshold of 1 the one landlord is a business.
    const XlsxSheet landlords = XlsxSheet::read(m_platform->filePath("Riepilogo_Annuale.xlsx"), 2);
    QVERIFY2(landlords.error.isEmpty(), qPrintable(landlords.error));
    QCOMPARE(landlords.rowTexts(1).last(), QStringLiteral("Soglia di 1 immobili raggiunta: attività d'impresa"));
}

void TestReportsWindow::thresholdSavedIsTheOneReadBack()
{
    const auto window = open();
    choose(window.get(), 1);
    auto *threshold = control<QLineEdit>(window.get(), QStringLiteral("txtSogliaImpresa"));
    threshold->setText(QStringLiteral("12345"));
    click(window.get(), "cmdExcel");
    const YearSummary::Settings stored = YearSummary::readSettings(m_platform->filePath("Rovoziv.ini"));
    QCOMPARE(QString::number(stored.businessThreshold), threshold->text());
}

void TestReportsWindow::typedSettingsUsedWhenTheyCannotBeSaved()
{
    // A folder where the settings file goes: nothing can be saved there.
    QVERIFY(QDir().mkpath(m_platform->filePath("Rovoziv.ini")));
    const auto window = open();
    choose(window.get(), 1);
    control<QLineEdit>(window.get(), QStringLiteral("txtSogliaImpresa"))->setText(QStringLiteral("1"));
    click(window.get(), "cmdExcel");
    const XlsxSheet landlords = XlsxSheet::read(m_platform->filePath("Riepilogo_Annuale.xlsx"), 2);
    QVERIFY2(landlords.error.isEmpty(), qPrintable(landlords.error));
    QCOMPARE(landlords.rowTexts(1).last(), QStringLiteral("Soglia di 1 immobili raggiunta: attività d'impresa"));
}

void TestReportsWindow::wrongSettingIsRefused()
{
    const auto window = open();
    choose(window.get(), 1);
    control<QLineEdit>(window.get(), QStringLiteral("txtCedolarePrima"))->setText(QStringLiteral("ventuno"));
    click(window.get(), "cmdExcel");
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QVERIFY(!QFile::exists(m_platform->filePath("Riepilogo_Annuale.xlsx")));
    QVERIFY(!QFile::exists(m_platform->filePath("Rovoziv.ini")));
}

void TestReportsWindow::taxReturnNeedsAComune()
{
    QVERIFY(QFile::remove(m_platform->filePath(TaxRuleFile::fileName())));
    const auto window = open();
    QCOMPARE(control<QComboBox>(window.get(), QStringLiteral("cboComune"))->count(), 0);
    click(window.get(), "cmdExcel");
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("scegliere un comune")));
    QVERIFY(!QFile::exists(m_platform->filePath("Imposta_Soggiorno.xlsx")));
}

QTEST_MAIN(TestReportsWindow)
#include "tst_reportswindow.moc"
