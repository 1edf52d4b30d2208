#include "CardTestTools.h"
#include "FakePlatform.h"
#include "FakePrintDialog.h"
#include "PdfText.h"
#include "TestChild.h"
#include "ArchiveFixture.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/properties/PropertyCodes.h"
#include "widgets/contracts/TfrmContratti.h"
#include "widgets/landlords/TfrmLocatori.h"
#include "widgets/print/DocumentWindow.h"
#include "widgets/print/TfrmAnteprimaStampa.h"
#include "widgets/receipts/TfrmRicevuta.h"

#include <QFile>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using TestTools::child;

class TestDocumentWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windows_data();
    void windows();
    void printingPrintsWhatTheCardShows();
    void cancelledDialogPrintsNothingAndSaysNothing();
    void annullaPrintsNothing();
    void printerThatCannotPrintGivesTheMessage();
    void previewOpensAt100PercentAndSavesAPdf();
    void failedPdfSaveHasItsOwnMessage();
    void receiptPrintsBothCopies();
    void contractPrintsItsPropertysCin_data();
    void contractPrintsItsPropertysCin();

private:
    // Presses the card window's button and, in the document window that
    // opens, `action` ("btnStampa" or "btnAnnulla"); `inside` runs before.
    void runDocumentWindow(QWidget *card, const char *cardButton, const char *action,
                           const std::function<void(QWidget *)> &inside = {});

    FakePlatform *m_platform = nullptr;
    FakePrintDialog *m_printDialog = nullptr;
    TfrmLocatori *m_landlords = nullptr;
};

void TestDocumentWindows::init()
{
    m_platform = new FakePlatform;
    m_printDialog = new FakePrintDialog;
    m_landlords = new TfrmLocatori;
    QVERIFY(CardTestTools::showAndActivate(m_landlords));
    // Typed, not saved: what is printed is what the window shows.
    m_landlords->setFieldText(QStringLiteral("Locatore"), QStringLiteral("  ROSSI MARIO  "));
    m_landlords->setFieldText(QStringLiteral("ComuneDom"), QStringLiteral("Rimini"));
}

void TestDocumentWindows::cleanup()
{
    delete m_landlords;
    delete m_printDialog;
    delete m_platform;
}

void TestDocumentWindows::runDocumentWindow(QWidget *card, const char *cardButton, const char *action,
                                            const std::function<void(QWidget *)> &inside)
{
    CardTestTools::onNextModal([=](QWidget *modal) {
        if (inside)
            inside(modal);
        child<QPushButton>(modal, QLatin1String(action))->click();
    });
    child<QToolButton>(card, QLatin1String(cardButton))->click();
}

void TestDocumentWindows::windows_data()
{
    QTest::addColumn<int>("document");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");

    using D = PrintedDocument;
    QTest::newRow("landlord print") << int(D::LandlordCard) << false << "frmStampa_Locatore" << " Stampa scheda";
    QTest::newRow("landlord preview") << int(D::LandlordCard) << true << "frmAnteprima_Locatore"
                                      << " Anteprima di stampa";
    QTest::newRow("tenant print") << int(D::TenantCard) << false << "frmStampa_Conduttore" << " Stampa scheda";
    QTest::newRow("tenant preview") << int(D::TenantCard) << true << "frmAnteprima_Conduttore"
                                    << " Anteprima di stampa";
    QTest::newRow("contract print") << int(D::Contract) << false << "frmStampaContratto" << " Stampa contratto";
    QTest::newRow("contract preview") << int(D::Contract) << true << "frmAnteprimaContratto"
                                      << " Anteprima di stampa";
    QTest::newRow("receipt print") << int(D::Receipt) << false << "frmStampaRic" << " Stampa ricevuta";
    QTest::newRow("receipt preview") << int(D::Receipt) << true << "frmAnteprimaRic" << " Anteprima di stampa";
}

void TestDocumentWindows::windows()
{
    QFETCH(int, document);
    QFETCH(bool, preview);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);

    QString opened, title, action;
    bool logos = false;
    QSize size;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        title = modal->windowTitle();
        size = modal->size();
        action = child<QPushButton>(modal, QStringLiteral("btnStampa"))->text();
        auto *logo = modal->findChild<QLabel *>(QStringLiteral("imgLogo"));
        auto *fallback = modal->findChild<QLabel *>(QStringLiteral("imgTemp"));
        logos = logo && fallback && logo->isHidden() && fallback->isHidden()
            && fallback->pixmap().size() == QSize(297, 184);
        child<QPushButton>(modal, QStringLiteral("btnAnnulla"))->click();
    });
    DocumentWindows::open(m_landlords, PrintedDocument(document),
                          preview ? DocumentWindow::Purpose::Preview : DocumentWindow::Purpose::Print);
    QCOMPARE(opened, objectName);
    QCOMPARE(title, caption);
    QCOMPARE(size, QSize(363, 287));
    QCOMPARE(action, preview ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"));
    QCOMPARE(logos, PrintedDocument(document) == PrintedDocument::Receipt);
    QCOMPARE(m_printDialog->shown, 0);
}

void TestDocumentWindows::printingPrintsWhatTheCardShows()
{
    SKIP_WITHOUT_PDF_READER();
    m_printDialog->answer = true;
    m_printDialog->pdfPath = m_platform->filePath(QStringLiteral("printed.pdf"));
    runDocumentWindow(m_landlords, "cmdStampa", "btnStampa");
    QCOMPARE(m_printDialog->shown, 1);
    QVERIFY(m_platform->messages.isEmpty());
    const std::optional<PdfText> pdf = PdfText::read(m_printDialog->pdfPath);
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), 1);
    QCOMPARE(pdf->find(QStringLiteral("ROSSI MARIO")).size(), 1);
    QVERIFY(pdf->allText().contains(QLatin1String("Rimini")));
    QVERIFY(pdf->allText().contains(QLatin1String("Stampa eseguita in data 09/12/2026 alle ore 10:30:00")));
    // The card window keeps its fields.
    QCOMPARE(m_landlords->fieldText(QStringLiteral("Locatore")), QStringLiteral("  ROSSI MARIO  "));
}

void TestDocumentWindows::cancelledDialogPrintsNothingAndSaysNothing()
{
    m_printDialog->answer = false;
    m_printDialog->pdfPath = m_platform->filePath(QStringLiteral("printed.pdf"));
    runDocumentWindow(m_landlords, "cmdStampa", "btnStampa");
    QCOMPARE(m_printDialog->shown, 1);
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(!QFile::exists(m_printDialog->pdfPath));
}

void TestDocumentWindows::annullaPrintsNothing()
{
    runDocumentWindow(m_landlords, "cmdAnteprima", "btnAnnulla");
    runDocumentWindow(m_landlords, "cmdStampa", "btnAnnulla");
    QCOMPARE(m_printDialog->shown, 0);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestDocumentWindows::printerThatCannotPrintGivesTheMessage()
{
    m_printDialog->answer = true;
    // A PDF that cannot be created stands for a printer that fails.
    m_printDialog->pdfPath = m_platform->filePath(QStringLiteral("no/such/folder/printed.pdf"));
    runDocumentWindow(m_landlords, "cmdStampa", "btnStampa");
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
                            "Si consiglia di controllare le impostazioni della stampante."));
}

void TestDocumentWindows::previewOpensAt100PercentAndSavesAPdf()
{
    SKIP_WITHOUT_PDF_READER();
    const QString saved = m_platform->filePath(QStringLiteral("copia.pdf"));
    m_platform->saveChoices = {saved};
    QString opened;
    qreal zoom = 0;
    QStringList buttons;
    runDocumentWindow(m_landlords, "cmdAnteprima", "btnStampa", [&](QWidget *) {
        CardTestTools::onNextModal([&](QWidget *preview) {
            opened = preview->objectName();
            zoom = child<QPrintPreviewWidget>(preview, QStringLiteral("prvPagine"))->zoomFactor();
            for (const char *name : {"cmdStampa", "cmdZoomPiu", "cmdZoomMeno", "cmdSchermoIntero", "cmdSalvaPdf",
                                     "cmdChiudi"})
                if (preview->findChild<QToolButton *>(QLatin1String(name)))
                    buttons.append(QLatin1String(name));
            child<QToolButton>(preview, QStringLiteral("cmdSalvaPdf"))->click();
            child<QToolButton>(preview, QStringLiteral("cmdChiudi"))->click();
        });
    });
    QCOMPARE(opened, QStringLiteral("frmAnteprimaStampa"));
    QCOMPARE(zoom, 1.0);
    QCOMPARE(buttons.size(), 6);
    QCOMPARE(m_platform->saveDialogTitles, QStringList{QStringLiteral("Salva in formato PDF")});
    QCOMPARE(m_platform->saveDialogFilters, QStringList{QStringLiteral("Documento PDF (*.pdf)")});
    QCOMPARE(m_platform->proposedSavePaths, QStringList{m_platform->filePath(QStringLiteral("Scheda ROSSI MARIO.pdf"))});
    const std::optional<PdfText> pdf = PdfText::read(saved);
    QVERIFY(pdf);
    QCOMPARE(pdf->find(QStringLiteral("ROSSI MARIO")).size(), 1);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestDocumentWindows::failedPdfSaveHasItsOwnMessage()
{
    // A folder that cannot be written into.
    m_platform->saveChoices = {m_platform->filePath(QStringLiteral("manca/copia.pdf"))};
    runDocumentWindow(m_landlords, "cmdAnteprima", "btnStampa", [&](QWidget *) {
        CardTestTools::onNextModal([&](QWidget *preview) {
            child<QToolButton>(preview, QStringLiteral("cmdSalvaPdf"))->click();
            child<QToolButton>(preview, QStringLiteral("cmdChiudi"))->click();
        });
    });
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Non è stato possibile salvare il documento in formato PDF.\n\n"
                            "Verificare di avere i permessi di scrittura nella cartella scelta."));
    QVERIFY(!QFile::exists(m_platform->filePath(QStringLiteral("manca/copia.pdf"))));
}

void TestDocumentWindows::receiptPrintsBothCopies()
{
    SKIP_WITHOUT_PDF_READER();
    TfrmRicevuta receipts;
    receipts.setArchiveFile(m_platform->filePath(QStringLiteral("2026.ric")));
    QVERIFY(CardTestTools::showAndActivate(&receipts));
    receipts.setFieldText(QStringLiteral("NumRic"), QStringLiteral("17/B"));
    receipts.setFieldText(QStringLiteral("Pagatore01"), QStringLiteral("BIANCHI ANNA"));
    m_printDialog->answer = true;
    m_printDialog->pdfPath = m_platform->filePath(QStringLiteral("ricevuta.pdf"));
    runDocumentWindow(&receipts, "cmdStampa", "btnStampa");
    const std::optional<PdfText> pdf = PdfText::read(m_printDialog->pdfPath);
    QVERIFY(pdf);
    QCOMPARE(pdf->find(QStringLiteral("Ricevuta n. 17/B")).size(), 2);
    QCOMPARE(pdf->find(QStringLiteral("BIANCHI ANNA")).size(), 2);
}

void TestDocumentWindows::contractPrintsItsPropertysCin_data()
{
    QTest::addColumn<QString>("via");
    QTest::addColumn<QString>("interno");
    QTest::addColumn<bool>("printed");
    QTest::newRow("the property of the card") << "Via Roma 3" << "4" << true;
    QTest::newRow("written otherwise") << " VIA ROMA 3" << "4 " << true;
    QTest::newRow("another flat") << "Via Roma 3" << "5" << false;
}

void TestDocumentWindows::contractPrintsItsPropertysCin()
{
    QFETCH(QString, via);
    QFETCH(QString, interno);
    QFETCH(bool, printed);
    SKIP_WITHOUT_PDF_READER();
    QVERIFY(ArchiveFixture::write(m_platform->filePath(QStringLiteral("Archivio_Locatori.pro")),
                                  {ArchiveFixture::record(RecordLayouts::locatore(),
                                                          {{QStringLiteral("Locatore"), "ROSSI MARIO"},
                                                           {QStringLiteral("ComuneImm"), "Perugia"},
                                                           {QStringLiteral("ViaImm"), "Via Roma 3"},
                                                           {QStringLiteral("Interno"), "4"}})}));
    QVERIFY(PropertyCodes::save(m_platform->folder(), 1, {QString(), QStringLiteral("ROSSI MARIO")},
                                {QStringLiteral("IT054039C2ABCD1234"), {}, {}}));
    TfrmContratti contracts;
    QVERIFY(CardTestTools::showAndActivate(&contracts));
    contracts.setFieldText(QStringLiteral("Conduttore"), QStringLiteral("BIANCHI ANNA"));
    contracts.setFieldText(QStringLiteral("ComuneImm"), QStringLiteral("Perugia"));
    contracts.setFieldText(QStringLiteral("ViaImm"), via);
    contracts.setFieldText(QStringLiteral("Interno"), interno);
    m_printDialog->answer = true;
    m_printDialog->pdfPath = m_platform->filePath(QStringLiteral("contratto.pdf"));
    runDocumentWindow(&contracts, "cmdStampa", "btnStampa");
    QVERIFY(m_platform->messages.isEmpty());
    const std::optional<PdfText> pdf = PdfText::read(m_printDialog->pdfPath);
    QVERIFY(pdf);
    QCOMPARE(pdf->find(QStringLiteral("BIANCHI ANNA")).size(), 1);
    QCOMPARE(pdf->find(QStringLiteral("CIN: IT054039C2ABCD1234")).size(), printed ? 1 : 0);
    QCOMPARE(pdf->allText().contains(QStringLiteral("CIN:")), printed);
}

QTEST_MAIN(TestDocumentWindows)
#include "tst_documentwindows.moc"
