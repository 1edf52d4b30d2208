#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "TestChild.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/settings/IniFile.h"
#include "widgets/receipts/TfrmRicevuta.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using CardTestTools::control;

namespace {

const QString kAccessDenied = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

const QString kStampReminder =
    QStringLiteral("Importo superiore a € 77,47: applicare la marca da bollo da € 2,00 sull'originale.");

// A stored receipt, written byte by byte as the archive holds it.
QByteArray receiptBytes(const QString &number, const QString &payer = QStringLiteral("ROSSI"),
                        const QString &euros = QStringLiteral("100"), const QString &cents = QStringLiteral("00"))
{
    Record record(RecordLayouts::ricevuta());
    record.setValue(QStringLiteral("NumRic"), number);
    record.setValue(QStringLiteral("Data"), QStringLiteral("01/02/2026"));
    record.setValue(QStringLiteral("Importo"), euros);
    record.setValue(QStringLiteral("Cents"), cents);
    record.setValue(QStringLiteral("ImpLettere"), QStringLiteral("CENTO"));
    record.setValue(QStringLiteral("CentLettere"), cents);
    record.setValue(QStringLiteral("Intero"), euros + QLatin1Char(',') + cents);
    record.setValue(QStringLiteral("Ricevente01"), QStringLiteral("STORED PAYEE"));
    record.setValue(QStringLiteral("Pagatore01"), payer);
    record.setValue(QStringLiteral("Causale01"), QStringLiteral("Affitto"));
    return record.encode();
}

} // namespace

class TestReceiptWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fieldsFollowTheRecord();
    void enterChainIsNotTheRecordOrder();
    void showPreparesAnUnnumberedReceipt();
    void newNumbersFromTheStartNumber_data();
    void newNumbersFromTheStartNumber();
    void newKeepsThePayeeAndClearsTheRest();
    void saveChecks_data();
    void saveChecks();
    void saveStoresTheNormalisedAmount_data();
    void saveStoresTheNormalisedAmount();
    void saveAppendsThenOverwrites();
    void numberAlreadyUsedAsksFirst_data();
    void numberAlreadyUsedAsksFirst();
    void twoCopiesSavingAtOnceNeverShareANumber();
    void amountInWordsFollowsTheEuroBox();
    void centsBoxRules();
    void clickOnTheWordsPointsToTheEuroBox_data();
    void clickOnTheWordsPointsToTheEuroBox();
    void browsing();
    void accessFailureBoxKinds_data();
    void accessFailureBoxKinds();
    void duplicate();
    void payeeLinesKeptAcrossARestartAndAnotherYear();
    void toolbarHints();
    void numberingWindowSetsTheNextNumber();
    void logoButtonOpensTheLogoWindow();
    void stampReminderFollowsTheTypedAmount_data();
    void stampReminderFollowsTheTypedAmount();
    void stampReminderForTheReceiptShown();
    void stampReminderTakesTheSettings();

private:
    QString archive(const QString &year = QStringLiteral("2026")) const
    {
        return m_platform->filePath(year + QStringLiteral(".ric"));
    }
    void writeArchive(int receipts);
    QByteArray storedRecord(int k) const;
    void openOn(const QString &path);
    void click(const char *button) { control<QToolButton>(m_window, QLatin1String(button))->click(); }
    QString text(const char *field) const { return m_window->fieldText(QLatin1String(field)); }
    void set(const char *field, const QString &value) { m_window->setFieldText(QLatin1String(field), value); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    QWidget *field(const char *name) const { return control(m_window, QLatin1String(name)); }
    // Types the euros, then replaces the cents box's "00" with `cents`,
    // staying in the cents box.
    void typeAmount(const QString &euros, const QString &cents);

    FakePlatform *m_platform = nullptr;
    TfrmRicevuta *m_window = nullptr;
    QWidget *m_home = nullptr;
};

void TestReceiptWindow::init()
{
    m_platform = new FakePlatform;
    m_home = new QWidget;
    m_window = new TfrmRicevuta;
    m_window->setHomeWindow(m_home);
}

void TestReceiptWindow::cleanup()
{
    delete m_window;
    delete m_home;
    delete m_platform;
}

void TestReceiptWindow::writeArchive(int receipts)
{
    QFile file(archive());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int k = 1; k <= receipts; ++k)
        file.write(receiptBytes(QString::number(k)));
}

QByteArray TestReceiptWindow::storedRecord(int k) const
{
    QFile file(archive());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const int size = RecordLayouts::ricevuta().recordSize();
    file.seek(qint64(k - 1) * size);
    return file.read(size);
}

void TestReceiptWindow::openOn(const QString &path)
{
    m_window->setArchiveFile(path);
    QVERIFY(CardTestTools::showAndActivate(m_window));
    m_platform->messages.clear();
}

void TestReceiptWindow::typeAmount(const QString &euros, const QString &cents)
{
    KeyInput::typeText(field("txtImporto"), euros);
    QWidget *centsBox = field("txtCents");
    centsBox->setFocus();
    // The digit filter lets no End through: the arrows get to the end.
    KeyInput::pressKey(centsBox, Qt::Key_Right);
    KeyInput::pressKey(centsBox, Qt::Key_Right);
    KeyInput::pressKey(centsBox, Qt::Key_Backspace);
    KeyInput::pressKey(centsBox, Qt::Key_Backspace);
    KeyInput::typeText(centsBox, cents);
}

void TestReceiptWindow::fieldsFollowTheRecord()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmRicevuta"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Vacanzio"));
    const RecordLayout &layout = RecordLayouts::ricevuta();
    QCOMPARE(layout.fieldCount(), 15);
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.name(i);
        QWidget *control = CardTestTools::control(m_window, QStringLiteral("txt") + name);
        if (name == QLatin1String("ImpLettere") || name == QLatin1String("CentLettere")) {
            QVERIFY2(qobject_cast<QLabel *>(control) && !control->isHidden(), qPrintable(name));
        } else if (name == QLatin1String("Intero")) {
            QVERIFY(qobject_cast<QLabel *>(control) && control->isHidden());
        } else {
            auto *edit = qobject_cast<QLineEdit *>(control);
            QVERIFY2(edit, qPrintable(name));
            QCOMPARE(edit->maxLength(), layout.capacity(i));
        }
    }
    auto *file = control<QLabel>(m_window, QStringLiteral("lblFile"));
    auto *start = control<QLabel>(m_window, QStringLiteral("lblInizio"));
    QVERIFY(file->isHidden() && start->isHidden());
    QCOMPARE(start->text(), QStringLiteral("1"));
    // No yellow rectangles behind the receipt's fields.
    for (QFrame *frame : m_window->findChildren<QFrame *>())
        QVERIFY2(!frame->objectName().startsWith(QLatin1String("eff")), qPrintable(frame->objectName()));
}

void TestReceiptWindow::enterChainIsNotTheRecordOrder()
{
    openOn(archive());
    const QStringList chain = {
        QStringLiteral("txtNumRic"),      QStringLiteral("txtData"),        QStringLiteral("txtPagatore01"),
        QStringLiteral("txtPagatore02"),  QStringLiteral("txtCausale01"),   QStringLiteral("txtCausale02"),
        QStringLiteral("txtImporto"),     QStringLiteral("txtCents"),       QStringLiteral("txtRicevente01"),
        QStringLiteral("txtRicevente02"), QStringLiteral("txtRicevente03"), QStringLiteral("txtRicevente04"),
    };
    for (int i = 0; i < chain.size(); ++i) {
        QWidget *from = control(m_window, chain.at(i));
        from->setFocus();
        KeyInput::pressKey(from, Qt::Key_Return);
        QCOMPARE(focused()->objectName(), chain.at((i + 1) % chain.size()));
        QCOMPARE(CardTestTools::nextTabStop(from)->objectName(), chain.at((i + 1) % chain.size()));
    }
}

void TestReceiptWindow::showPreparesAnUnnumberedReceipt()
{
    IniFile settings(TfrmRicevuta::settingsPath());
    QVERIFY(settings.writeString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 1"), QStringLiteral("MARIO ROSSI")));
    QVERIFY(settings.writeString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 3"), QStringLiteral("C.F. RSSMRA")));
    // Whatever the window showed when it was last closed is gone.
    set("NumRic", QStringLiteral("7"));
    set("Pagatore01", QStringLiteral("OLD"));
    set("Importo", QStringLiteral("5"));
    set("ImpLettere", QStringLiteral("CINQUE"));
    set("Intero", QStringLiteral("5,00"));
    set("Cents", QStringLiteral("10"));
    openOn(archive());

    QCOMPARE(text("Ricevente01"), QStringLiteral("MARIO ROSSI"));
    QCOMPARE(text("Ricevente02"), QString());
    QCOMPARE(text("Ricevente03"), QStringLiteral("C.F. RSSMRA"));
    for (const char *name : {"NumRic", "Pagatore01", "Importo", "ImpLettere", "Intero"})
        QVERIFY2(text(name).isEmpty(), name);
    QCOMPARE(text("Cents"), QStringLiteral("00"));
    QCOMPARE(text("CentLettere"), QStringLiteral("00"));
    QCOMPARE(text("Data"), QStringLiteral("09/12/2026"));
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text(), QString());
    QCOMPARE(focused(), field("txtPagatore01"));
    QCOMPARE(m_window->statusText(), QStringLiteral("Pronto per archiviare una nuova ricevuta..."));
    // Showing touches no archive.
    QVERIFY(!QFile::exists(archive()));
}

void TestReceiptWindow::newNumbersFromTheStartNumber_data()
{
    QTest::addColumn<QString>("start");      // "Inizio" in the settings; "-" for none
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("number");     // empty: New fails with the access message

    QTest::newRow("no settings, empty archive") << "-" << 0 << "1";
    QTest::newRow("start 1, 3 receipts") << "1" << 3 << "4";
    QTest::newRow("start 50, 3 receipts") << "50" << 3 << "53";
    QTest::newRow("start 0, empty archive") << "0" << 0 << "0";
    QTest::newRow("empty start means 1") << "  " << 2 << "3";
    QTest::newRow("blanks around the start") << " 7 " << 2 << "9";
    QTest::newRow("start that is not a number") << "dieci" << 3 << "";
    QTest::newRow("start with decimals") << "5,5" << 3 << "";
    QTest::newRow("start too large to add to") << "9223372036854775807" << 3 << "";
}

void TestReceiptWindow::newNumbersFromTheStartNumber()
{
    QFETCH(QString, start);
    QFETCH(int, stored);
    QFETCH(QString, number);

    if (start != QLatin1String("-"))
        QVERIFY(IniFile(TfrmRicevuta::settingsPath()).writeString(QStringLiteral("Numerazione Ricevute"),
                                                                  QStringLiteral("Inizio"), start));
    writeArchive(stored);
    openOn(archive());
    set("Pagatore01", QStringLiteral("typed"));
    set("Importo", QStringLiteral("12"));
    set("ImpLettere", QStringLiteral("DODICI"));
    click("cmdNuovo");

    // The fields are reset before the number is worked out, even when it
    // cannot be.
    QCOMPARE(text("Pagatore01"), QString());
    QCOMPARE(text("Importo"), QString());
    QCOMPARE(text("ImpLettere"), QString());
    QCOMPARE(text("Intero"), QStringLiteral("0,00"));
    QCOMPARE(text("NumRic"), number);
    if (number.isEmpty()) {
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->lastMessage().kind, MessageKind::Error);
        QCOMPARE(m_platform->lastMessage().text, kAccessDenied);
    } else {
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(focused(), field("txtPagatore01"));
    }
    QCOMPARE(QFileInfo(archive()).size(), qint64(stored) * RecordLayouts::ricevuta().recordSize());
}

void TestReceiptWindow::newKeepsThePayeeAndClearsTheRest()
{
    writeArchive(1);
    openOn(archive());
    click("cmdUltimo");
    QCOMPARE(text("Ricevente01"), QStringLiteral("STORED PAYEE"));
    set("Importo", QStringLiteral("45"));  // half typed
    set("Cents", QStringLiteral("5"));
    set("Data", QStringLiteral("01/01/2020"));
    click("cmdNuovo");
    QCOMPARE(text("Ricevente01"), QStringLiteral("STORED PAYEE"));
    QCOMPARE(text("NumRic"), QStringLiteral("2"));
    QCOMPARE(text("Data"), QStringLiteral("09/12/2026"));
    QCOMPARE(text("Cents"), QStringLiteral("00"));
    QCOMPARE(text("CentLettere"), QStringLiteral("00"));
    for (const char *name : {"Importo", "ImpLettere", "Pagatore01", "Pagatore02", "Causale01", "Causale02"})
        QVERIFY2(text(name).isEmpty(), name);
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text(), QString());
}

void TestReceiptWindow::saveChecks_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("payer");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");

    const QString ok = QStringLiteral("x");
    QTest::newRow("no number") << "  " << "01/03/2026" << ok << ok
                               << "Attenzione: per salvare la scheda è necessario indicare il numero progressivo "
                                  "della ricevuta."
                               << "txtNumRic";
    QTest::newRow("no date") << "1" << " " << ok << ok
                             << "Attenzione: per salvare la scheda è necessario indicare la data di emissione della "
                                "ricevuta."
                             << "txtData";
    const QString badDate = QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la "
                                           "scheda è necessario indicare una data valida nel formato gg/mm/anno.");
    QTest::newRow("31 February") << "1" << "31/02/2024" << ok << ok << badDate << "txtData";
    QTest::newRow("two-digit year") << "1" << "01/03/26" << ok << ok << badDate << "txtData";
    QTest::newRow("not a date") << "1" << "domani" << ok << ok << badDate << "txtData";
    QTest::newRow("no payer") << "1" << "29/02/2024" << "" << ok
                              << "Attenzione: per salvare la scheda è necessario indicare il nome del Pagatore."
                              << "txtPagatore01";
    QTest::newRow("no reason") << "1" << "29/02/2024" << ok << "   "
                               << "Attenzione: per salvare la scheda è necessario indicare la causale del pagamento."
                               << "txtCausale01";
}

void TestReceiptWindow::saveChecks()
{
    QFETCH(QString, number);
    QFETCH(QString, date);
    QFETCH(QString, payer);
    QFETCH(QString, reason);
    QFETCH(QString, warning);
    QFETCH(QString, focus);

    openOn(archive());
    set("NumRic", number);
    set("Data", date);
    set("Pagatore01", payer);
    set("Causale01", reason);
    set("Cents", QStringLiteral("5"));
    click("cmdSalva");

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text, warning);
    QCOMPARE(focused()->objectName(), focus);
    QVERIFY(!QFile::exists(archive()) || QFileInfo(archive()).size() == 0);
    // The amount is made whole even though the receipt was not saved.
    QCOMPARE(text("Importo"), QStringLiteral("0"));
    QCOMPARE(text("Cents"), QStringLiteral("50"));
    QCOMPARE(text("Intero"), QStringLiteral("0,50"));
}

void TestReceiptWindow::saveStoresTheNormalisedAmount_data()
{
    QTest::addColumn<QString>("importo");  // typed into the euro box
    QTest::addColumn<QString>("cents");    // typed into the emptied cents box
    QTest::addColumn<QString>("storedImporto");
    QTest::addColumn<QString>("storedCents");
    QTest::addColumn<QString>("storedCentLettere");
    QTest::addColumn<QString>("storedIntero");
    QTest::addColumn<QString>("storedWords");

    QTest::newRow("nothing typed") << "" << "" << "0" << "00" << "00" << "0,00" << "";
    QTest::newRow("one cents digit, saved without leaving the box") << "75" << "5" << "75" << "50" << "50"
                                                                    << "75,50" << "SETTANTACINQUE";
    QTest::newRow("whole amount") << "1250" << "50" << "1250" << "50" << "50" << "1250,50"
                                  << "MILLEDUECENTOCINQUANTA";
}

void TestReceiptWindow::saveStoresTheNormalisedAmount()
{
    QFETCH(QString, importo);
    QFETCH(QString, cents);
    QFETCH(QString, storedImporto);
    QFETCH(QString, storedCents);
    QFETCH(QString, storedCentLettere);
    QFETCH(QString, storedIntero);
    QFETCH(QString, storedWords);

    openOn(archive());
    set("NumRic", QStringLiteral("1"));
    set("Pagatore01", QStringLiteral("BIANCHI"));
    set("Causale01", QStringLiteral("Affitto"));
    typeAmount(importo, cents);
    // The toolbar takes no focus: the box is not left before saving.
    click("cmdSalva");

    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    const Record stored = Record::decode(RecordLayouts::ricevuta(), storedRecord(1));
    QCOMPARE(stored.value(QStringLiteral("Importo")), storedImporto);
    QCOMPARE(stored.value(QStringLiteral("Cents")), storedCents);
    QCOMPARE(stored.value(QStringLiteral("CentLettere")), storedCentLettere);
    QCOMPARE(stored.value(QStringLiteral("Intero")), storedIntero);
    QCOMPARE(stored.value(QStringLiteral("ImpLettere")), storedWords);
    QCOMPARE(stored.value(QStringLiteral("Data")), QStringLiteral("09/12/2026"));
}

void TestReceiptWindow::saveAppendsThenOverwrites()
{
    writeArchive(2);
    openOn(archive());
    click("cmdNuovo");
    set("Pagatore01", QStringLiteral("  VERDI  "));
    set("Causale01", QStringLiteral("Caparra"));
    click("cmdSalva");
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text(), QStringLiteral("3"));
    QCOMPARE(Record::decode(RecordLayouts::ricevuta(), storedRecord(3)).value(QStringLiteral("Pagatore01")),
             QStringLiteral("VERDI"));
    QCOMPARE(Record::decode(RecordLayouts::ricevuta(), storedRecord(3)).value(QStringLiteral("NumRic")),
             QStringLiteral("3"));

    set("Causale01", QStringLiteral("Saldo"));
    click("cmdSalva");
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(QFileInfo(archive()).size(), 3 * RecordLayouts::ricevuta().recordSize());
    QCOMPARE(Record::decode(RecordLayouts::ricevuta(), storedRecord(3)).value(QStringLiteral("Causale01")),
             QStringLiteral("Saldo"));
}

void TestReceiptWindow::numberAlreadyUsedAsksFirst_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");

    QTest::newRow("used, No") << "2" << false << true << false;
    QTest::newRow("used, Yes") << "2" << true << true << true;
    QTest::newRow("same number with leading zeros") << " 002 " << false << true << false;
    QTest::newRow("free") << "4" << false << false << true;
    QTest::newRow("free, letters") << "2/B" << false << false << true;
}

void TestReceiptWindow::numberAlreadyUsedAsksFirst()
{
    QFETCH(QString, number);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, saved);

    QFile file(archive());
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QStringList payers = {QStringLiteral("ROSSI"), QStringLiteral("BIANCHI ANNA"), QStringLiteral("VERDI")};
    for (int k = 1; k <= payers.size(); ++k)
        file.write(receiptBytes(QString::number(k), payers.at(k - 1)));
    file.close();
    openOn(archive());
    click("cmdNuovo");
    set("NumRic", number);
    set("Pagatore01", QStringLiteral("NERI"));
    set("Causale01", QStringLiteral("Affitto"));
    m_platform->answers = {answer};
    click("cmdSalva");

    if (asked) {
        QCOMPARE(m_platform->questions,
                 QStringList{QStringLiteral("Attenzione: il numero %1 è già stato usato dalla ricevuta di "
                                            "BIANCHI ANNA del 01/02/2026.\n\nSalvare comunque la ricevuta?")
                                 .arg(number.trimmed())});
        QCOMPARE(m_platform->questionDefaults, QList<DefaultAnswer>{DefaultAnswer::No});
    } else {
        QVERIFY(m_platform->questions.isEmpty());
    }
    const QString position = control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text();
    if (saved) {
        QCOMPARE(position, QStringLiteral("4"));
        QCOMPARE(QFileInfo(archive()).size(), 4 * RecordLayouts::ricevuta().recordSize());
        QCOMPARE(m_platform->lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        // Saved again over itself, its own number asks nothing.
        m_platform->questions.clear();
        click("cmdSalva");
        QCOMPARE(m_platform->questions.size(), asked ? 1 : 0);
    } else {
        QVERIFY(position.isEmpty());
        QCOMPARE(QFileInfo(archive()).size(), 3 * RecordLayouts::ricevuta().recordSize());
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(focused(), field("txtNumRic"));
    }
}

void TestReceiptWindow::twoCopiesSavingAtOnceNeverShareANumber()
{
    // Two copies of the program on one folder both press New, then both
    // Save at the same moment; neither answers the question (No, its
    // default).
    QList<QProcess *> copies;
    for (const char *payer : {"ROSSI", "VERDI"}) {
        auto *copy = new QProcess(this);
        copy->setProgram(QStringLiteral(RECEIPT_SAVE_WORKER));
        copy->setArguments({archive(), QLatin1String(payer)});
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start();
        copies.append(copy);
    }
    for (QProcess *copy : copies) {
        QVERIFY(copy->waitForReadyRead(30000));
        QCOMPARE(copy->readLine().trimmed(), QByteArray("numero 1"));
    }
    for (QProcess *copy : copies)
        copy->write("salva\n");
    QStringList outcomes;
    for (QProcess *copy : copies) {
        QVERIFY(copy->waitForFinished(30000));
        QCOMPARE(copy->exitCode(), 0);
        outcomes.append(QString::fromUtf8(copy->readAll()).trimmed());
    }
    outcomes.sort();
    QCOMPARE(outcomes.size(), 2);
    QVERIFY2(outcomes.at(0).startsWith(QStringLiteral("domanda: Attenzione: il numero 1 è già stato usato dalla ricevuta di ")),
             qPrintable(outcomes.join(QLatin1Char('|'))));
    QCOMPARE(outcomes.at(1), QStringLiteral("posizione 1"));
    QCOMPARE(QFileInfo(archive()).size(), RecordLayouts::ricevuta().recordSize());
}

void TestReceiptWindow::amountInWordsFollowsTheEuroBox()
{
    openOn(archive());
    QWidget *euros = field("txtImporto");
    euros->setFocus();
    KeyInput::typeText(euros, QStringLiteral("1250"));
    QCOMPARE(text("Importo"), QStringLiteral("1250"));
    QCOMPARE(text("ImpLettere"), QStringLiteral("MILLEDUECENTOCINQUANTA"));
    // Only digits reach the box.
    KeyInput::typeText(euros, QStringLiteral("a,-"));
    QCOMPARE(text("Importo"), QStringLiteral("1250"));
    QCOMPARE(text("ImpLettere"), QStringLiteral("MILLEDUECENTOCINQUANTA"));
    for (int i = 0; i < 4; ++i)
        KeyInput::pressKey(euros, Qt::Key_Backspace);
    QCOMPARE(text("Importo"), QString());
    QCOMPARE(text("ImpLettere"), QString());
    KeyInput::typeText(euros, QStringLiteral("28"));
    QCOMPARE(text("ImpLettere"), QStringLiteral("VENTIOTTO"));
}

void TestReceiptWindow::centsBoxRules()
{
    openOn(archive());
    QWidget *cents = field("txtCents");
    cents->setFocus();
    KeyInput::pressKey(cents, Qt::Key_Right);
    KeyInput::pressKey(cents, Qt::Key_Right);
    KeyInput::pressKey(cents, Qt::Key_Backspace);
    KeyInput::pressKey(cents, Qt::Key_Backspace);
    QCOMPARE(text("Cents"), QString());
    QCOMPARE(text("CentLettere"), QString());
    KeyInput::typeText(cents, QStringLiteral("5"));
    QCOMPARE(text("CentLettere"), QStringLiteral("5"));
    // Leaving the box with one digit means tens of cents.
    field("txtCausale01")->setFocus();
    QCOMPARE(text("Cents"), QStringLiteral("50"));
    QCOMPARE(text("CentLettere"), QStringLiteral("50"));
    // Leaving it empty means none.
    cents->setFocus();
    KeyInput::pressKey(cents, Qt::Key_Right);
    KeyInput::pressKey(cents, Qt::Key_Right);
    KeyInput::pressKey(cents, Qt::Key_Backspace);
    KeyInput::pressKey(cents, Qt::Key_Backspace);
    field("txtImporto")->setFocus();
    QCOMPARE(text("Cents"), QStringLiteral("00"));
    QCOMPARE(text("CentLettere"), QStringLiteral("00"));
    // The cents are never written in words.
    QCOMPARE(text("ImpLettere"), QString());
}

void TestReceiptWindow::clickOnTheWordsPointsToTheEuroBox_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("the words") << "txtImpLettere";
    QTest::newRow("their bar") << "bkgLettere";
}

void TestReceiptWindow::clickOnTheWordsPointsToTheEuroBox()
{
    QFETCH(QString, target);
    openOn(archive());
    QWidget *clicked = control(m_window, target);
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Digitare l'importo in cifre nella casella del Totale.\n\r\n\r"
                            "L'importo in lettere apparirà in automatico."));
    QCOMPARE(focused(), field("txtImporto"));
}

void TestReceiptWindow::browsing()
{
    openOn(archive());
    click("cmdPrimo");
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("L'archivio non contiene nessuna ricevuta."));
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);

    QFile file(archive());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(receiptBytes(QStringLiteral("A1"), QStringLiteral("  PRIMO  ")));
    file.write(receiptBytes(QStringLiteral("A2"), QStringLiteral("SECONDO")));
    file.close();
    click("cmdUltimo");
    QCOMPARE(text("NumRic"), QStringLiteral("A2"));
    QCOMPARE(text("ImpLettere"), QStringLiteral("CENTO"));
    QCOMPARE(text("Intero"), QStringLiteral("100,00"));
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));
    click("cmdIndietro");
    QCOMPARE(text("Pagatore01"), QStringLiteral("PRIMO"));
    click("cmdAvanti");
    QCOMPARE(text("NumRic"), QStringLiteral("A2"));
}

void TestReceiptWindow::accessFailureBoxKinds_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");

    QTest::newRow("New") << "cmdNuovo" << int(MessageKind::Error);
    QTest::newRow("Duplicate") << "cmdDuplica" << int(MessageKind::Error);
    QTest::newRow("Save") << "cmdSalva" << int(MessageKind::Warning);
    QTest::newRow("First") << "cmdPrimo" << int(MessageKind::Warning);
    QTest::newRow("Previous") << "cmdIndietro" << int(MessageKind::Error);
    QTest::newRow("Next") << "cmdAvanti" << int(MessageKind::Error);
    QTest::newRow("Last") << "cmdUltimo" << int(MessageKind::Error);
}

void TestReceiptWindow::accessFailureBoxKinds()
{
    QFETCH(QString, button);
    QFETCH(int, kind);

    // A folder where the year's archive should be cannot be opened as one.
    QVERIFY(QDir().mkpath(archive()));
    openOn(archive());
    set("NumRic", QStringLiteral("5"));
    set("Pagatore01", QStringLiteral("BIANCHI"));
    set("Causale01", QStringLiteral("Affitto"));
    control<QLabel>(m_window, QStringLiteral("lblPosizione"))->setText(QStringLiteral("2"));
    control<QToolButton>(m_window, button)->click();

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(int(m_platform->lastMessage().kind), kind);
    QCOMPARE(m_platform->lastMessage().text, kAccessDenied);
    QCOMPARE(text("NumRic"), QStringLiteral("5"));
    QCOMPARE(text("Pagatore01"), QStringLiteral("BIANCHI"));
}

void TestReceiptWindow::duplicate()
{
    openOn(archive());
    set("NumRic", QStringLiteral("9"));
    click("cmdDuplica");
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: questa funzione serve a duplicare una ricevuta che è già stata salvata in "
                            "archivio.\n\r\n\rVisualizzare la ricevuta da duplicare e fare clic sul pulsante Duplica."));
    QCOMPARE(text("NumRic"), QStringLiteral("9"));

    writeArchive(1);
    click("cmdPrimo");
    m_platform->messages.clear();
    click("cmdDuplica");
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("E' ora possibile apportare le proprie modifiche alla ricevuta corrente.\n\r\n\r"
                            "Al termine premere Salva per registrare i dati in archivio."));
    QCOMPARE(text("NumRic"), QString());
    QCOMPARE(text("Data"), QStringLiteral("09/12/2026"));
    QCOMPARE(text("Pagatore01"), QStringLiteral("ROSSI"));
    QCOMPARE(text("Importo"), QStringLiteral("100"));
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text(), QString());
    QCOMPARE(focused(), field("txtNumRic"));

    set("NumRic", QStringLiteral("2"));
    click("cmdSalva");
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));
    QCOMPARE(QFileInfo(archive()).size(), 2 * RecordLayouts::ricevuta().recordSize());
}

void TestReceiptWindow::payeeLinesKeptAcrossARestartAndAnotherYear()
{
    openOn(archive(QStringLiteral("2025")));
    set("Ricevente01", QStringLiteral("  MARIO ROSSI  "));
    set("Ricevente02", QStringLiteral("Via Roma 1"));
    set("Ricevente04", QStringLiteral("P.IVA 01234567890"));
    m_window->close();
    QVERIFY(m_home->isVisible());
    const IniFile settings(TfrmRicevuta::settingsPath());
    QCOMPARE(settings.readString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 1")), QStringLiteral("MARIO ROSSI"));
    QCOMPARE(settings.readString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 3"), QStringLiteral("absent")),
             QString());

    // Another run of the program, on another year.
    delete m_window;
    m_window = new TfrmRicevuta;
    m_window->setHomeWindow(m_home);
    openOn(archive(QStringLiteral("2026")));
    QCOMPARE(text("Ricevente01"), QStringLiteral("MARIO ROSSI"));
    QCOMPARE(text("Ricevente02"), QStringLiteral("Via Roma 1"));
    QCOMPARE(text("Ricevente03"), QString());
    QCOMPARE(text("Ricevente04"), QStringLiteral("P.IVA 01234567890"));
}

void TestReceiptWindow::toolbarHints()
{
    openOn(archive());
    auto *find = control<QToolButton>(m_window, QStringLiteral("cmdTrova"));
    CardTestTools::moveMouseOver(find);
    QCOMPARE(m_window->statusText(), QStringLiteral("Trova una ricevuta in archivio."));
    CardTestTools::moveMouseOver(control(m_window, QStringLiteral("impPagatore")));
    QCOMPARE(m_window->statusText(), QStringLiteral("Importa i dati dall'archivio dei Conduttori."));
    CardTestTools::moveMouseOver(control(m_window, QStringLiteral("cmdNumerazione")));
    QCOMPARE(m_window->statusText(),
             QStringLiteral("Imposta il numero iniziale per la numerazione automatica delle ricevute."));
}

void TestReceiptWindow::numberingWindowSetsTheNextNumber()
{
    writeArchive(3);
    openOn(archive());
    QString caption;
    QString callerTag;
    CardTestTools::onNextModal([&](QWidget *modal) {
        caption = modal->windowTitle();
        callerTag = control<QLabel>(modal, QStringLiteral("lblMemory"))->text();
        control<QLineEdit>(modal, QStringLiteral("txtInizio"))->setText(QStringLiteral("50"));
        control<QPushButton>(modal, QStringLiteral("btnApplica"))->click();
    });
    click("cmdNumerazione");
    QCOMPARE(caption, QStringLiteral(" Impostazione inizio numerazione ricevute"));
    QCOMPARE(callerTag, QStringLiteral("ricevute"));
    // Setting the start number renumbers nothing; New uses it.
    QCOMPARE(text("NumRic"), QString());
    click("cmdNuovo");
    QCOMPARE(text("NumRic"), QStringLiteral("53"));
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblInizio"))->text(), QStringLiteral("50"));
}

void TestReceiptWindow::logoButtonOpensTheLogoWindow()
{
    openOn(archive());
    auto *logo = control<QToolButton>(m_window, QStringLiteral("cmdLogo"));
    CardTestTools::moveMouseOver(logo);
    QCOMPARE(m_window->statusText(), QStringLiteral("Carica il logo della Ditta del beneficiario."));
    QString opened;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        control<QPushButton>(modal, QStringLiteral("btnApplica"))->click();
    });
    logo->click();
    QCOMPARE(opened, QStringLiteral("frmLogo"));
    QVERIFY(QFile::exists(m_platform->filePath("Logo.bmp")));
}

void TestReceiptWindow::stampReminderFollowsTheTypedAmount_data()
{
    QTest::addColumn<QString>("euros");
    QTest::addColumn<QString>("cents");
    QTest::addColumn<bool>("reminded");
    QTest::newRow("77,47: the threshold") << "77" << "47" << false;
    QTest::newRow("77,48: a cent more") << "77" << "48" << true;
    QTest::newRow("77,5 typed: 77,50") << "77" << "5" << true;
    QTest::newRow("77, no cents") << "77" << "" << false;
    QTest::newRow("1200,00") << "1200" << "00" << true;
}

void TestReceiptWindow::stampReminderFollowsTheTypedAmount()
{
    QFETCH(QString, euros);
    QFETCH(QString, cents);
    QFETCH(bool, reminded);
    openOn(archive());
    typeAmount(euros, cents);
    QCOMPARE(m_window->statusText() == kStampReminder, reminded);
    // Typed away below the threshold, the reminder goes.
    QWidget *eurosBox = field("txtImporto");
    eurosBox->setFocus();
    for (int i = 0; i < 6; ++i)
        KeyInput::pressKey(eurosBox, Qt::Key_Backspace);
    KeyInput::typeText(eurosBox, QStringLiteral("5"));
    QVERIFY(m_window->statusText() != kStampReminder);
    // A status line, never a message box.
    QVERIFY(m_platform->messages.isEmpty());
}

void TestReceiptWindow::stampReminderForTheReceiptShown()
{
    QFile file(archive());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(receiptBytes(QStringLiteral("1"), QStringLiteral("ROSSI"), QStringLiteral("100"), QStringLiteral("00")));
    file.write(receiptBytes(QStringLiteral("2"), QStringLiteral("VERDI"), QStringLiteral("77"), QStringLiteral("47")));
    file.close();
    openOn(archive());
    QCOMPARE(m_window->statusText(), QStringLiteral("Pronto per archiviare una nuova ricevuta..."));
    click("cmdPrimo");
    QCOMPARE(m_window->statusText(), kStampReminder);
    // A hint takes the line while the mouse is on its button; the reminder
    // comes back when it leaves.
    CardTestTools::moveMouseOver(control<QToolButton>(m_window, QStringLiteral("cmdTrova")));
    QCOMPARE(m_window->statusText(), QStringLiteral("Trova una ricevuta in archivio."));
    CardTestTools::moveMouseOver(control(m_window, QStringLiteral("shpControlli")), QPoint(1, 1));
    QCOMPARE(m_window->statusText(), kStampReminder);
    click("cmdAvanti");
    QCOMPARE(m_window->statusText(), QString());
    click("cmdIndietro");
    QCOMPARE(m_window->statusText(), kStampReminder);
    click("cmdNuovo");
    QCOMPARE(m_window->statusText(), QString());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestReceiptWindow::stampReminderTakesTheSettings()
{
    IniFile settings(TfrmRicevuta::settingsPath());
    QVERIFY(settings.writeString(QStringLiteral("Marca da bollo"), QStringLiteral("Soglia"), QStringLiteral("100,00")));
    QVERIFY(settings.writeString(QStringLiteral("Marca da bollo"), QStringLiteral("Importo"), QStringLiteral("16")));
    QFile file(archive());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(receiptBytes(QStringLiteral("1"), QStringLiteral("ROSSI"), QStringLiteral("100"), QStringLiteral("00")));
    file.write(receiptBytes(QStringLiteral("2"), QStringLiteral("VERDI"), QStringLiteral("100"), QStringLiteral("01")));
    file.close();
    openOn(archive());
    click("cmdPrimo");
    QVERIFY(!m_window->statusText().contains(QStringLiteral("marca da bollo")));
    click("cmdAvanti");
    QCOMPARE(m_window->statusText(), QStringLiteral("Importo superiore a € 100,00: applicare la marca da bollo da "
                                                    "€ 16,00 sull'originale."));
}

QTEST_MAIN(TestReceiptWindow)
#include "tst_receiptwindow.moc"
