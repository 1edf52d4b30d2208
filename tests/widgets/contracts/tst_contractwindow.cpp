#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "engine/archive/RecordLayouts.h"
#include "widgets/contracts/TfrmContratti.h"
#include "engine/settings/IniFile.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using CardTestTools::control;

class TestContractWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fieldsFollowTheRecord();
    void labelsOfMandatoryAndSigningFields();
    void newContractKeepsThePlaceAndPutsToday();
    void placeOfSigningIsKeptAcrossARestart();
    void placeIsReadWhenShownAndWrittenWhenClosed();
    void duplicateKeepsTheContractAndDatesItToday();
    void duplicateRefusedOnANewContract();
    void saveRunsTheChecksAndMovesTheFocus();
    void saveWritesTheContract();
    void doubleBookingAsksBeforeSaving_data();
    void doubleBookingAsksBeforeSaving();
    void dateFieldKeys_data();
    void dateFieldKeys();
    void enterChainThroughTheDates();
    void fiscalCodeButtons_data();
    void fiscalCodeButtons();
    void hints();

private:
    void fillValidContract();

    FakePlatform *m_platform = nullptr;
    TfrmContratti *m_window = nullptr;
    QWidget *m_home = nullptr;
};

void TestContractWindow::init()
{
    m_platform = new FakePlatform;
    m_platform->clock = QDateTime(QDate(2026, 12, 9), QTime(9, 0));
    m_home = new QWidget;
    m_window = new TfrmContratti;
    m_window->setHomeWindow(m_home);
}

void TestContractWindow::cleanup()
{
    delete m_window;
    delete m_home;
    delete m_platform;
}

void TestContractWindow::fillValidContract()
{
    m_window->setFieldText(QStringLiteral("Locatore"), QStringLiteral("ROSSI MARIO"));
    m_window->setFieldText(QStringLiteral("Conduttore"), QStringLiteral("BIANCHI ANNA"));
    m_window->setFieldText(QStringLiteral("DurataCon"), QStringLiteral("7"));
    m_window->setFieldText(QStringLiteral("InizioCon"), QStringLiteral("01/08/2026"));
    m_window->setFieldText(QStringLiteral("FineCon"), QStringLiteral("07/08/2026"));
    m_window->setFieldText(QStringLiteral("ImpCanone"), QStringLiteral("700,00"));
}

void TestContractWindow::fieldsFollowTheRecord()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmContratti"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Vacanzio - Contratti di Locazione"));
    const RecordLayout &layout = RecordLayouts::contratto();
    QWidget *previous = nullptr;
    for (int i = 0; i < layout.fieldCount(); ++i) {
        QWidget *field = control(m_window, QStringLiteral("txt") + layout.name(i));
        auto *combo = qobject_cast<QComboBox *>(field);
        QCOMPARE(combo ? combo->lineEdit()->maxLength() : qobject_cast<QLineEdit *>(field)->maxLength(),
                 layout.capacity(i));
        if (previous)
            QCOMPARE(CardTestTools::nextTabStop(previous), field);
        previous = field;
    }
    QVERIFY(control<QLineEdit>(m_window, QStringLiteral("txtInizioCon"))->isReadOnly());
    QVERIFY(control<QLineEdit>(m_window, QStringLiteral("txtFineCon"))->isReadOnly());
    QVERIFY(!control<QLineEdit>(m_window, QStringLiteral("txtData"))->isReadOnly());
    QCOMPARE(control<QComboBox>(m_window, QStringLiteral("txtProvImm"))->count(), 112);
}

void TestContractWindow::labelsOfMandatoryAndSigningFields()
{
    for (const char *name : {"Locatore", "Conduttore", "DurataCon", "InizioCon", "FineCon", "ImpCanone"}) {
        auto *label = control<QLabel>(m_window, QStringLiteral("lblTesto") + QLatin1String(name));
        QVERIFY2(label->styleSheet().contains(QLatin1String("#8b4513")), name);
    }
    auto *days = control<QLabel>(m_window, QStringLiteral("lblTestoDurataConUnita"));
    QCOMPARE(days->text(), QStringLiteral("giorni."));
    QVERIFY(days->styleSheet().contains(QLatin1String("#8b4513")));
    for (const char *name : {"Luogo", "Data"}) {
        auto *label = control<QLabel>(m_window, QStringLiteral("lblTesto") + QLatin1String(name));
        QVERIFY(label->styleSheet().contains(QLatin1String("#000080")));
        QVERIFY(label->font().bold());
    }
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblTestoPattuizioni"))->text(), QStringLiteral("Note:"));
}

void TestContractWindow::newContractKeepsThePlaceAndPutsToday()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    QCOMPARE(m_window->fieldText(QStringLiteral("Data")), QStringLiteral("09/12/2026"));
    fillValidContract();
    m_window->setFieldText(QStringLiteral("Luogo"), QStringLiteral("Rimini"));
    m_window->setFieldText(QStringLiteral("Data"), QStringLiteral("01/01/2020"));
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));

    control<QToolButton>(m_window, QStringLiteral("cmdNuovo"))->click();
    const RecordLayout &layout = RecordLayouts::contratto();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.name(i);
        const QString text = m_window->fieldText(name);
        if (name == QLatin1String("Luogo"))
            QCOMPARE(text, QStringLiteral("Rimini"));
        else if (name == QLatin1String("Data"))
            QCOMPARE(text, QStringLiteral("09/12/2026"));
        else
            QVERIFY2(text.isEmpty(), qPrintable(name));
    }
    QVERIFY(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), control(m_window, QStringLiteral("txtLocatore")));
}

void TestContractWindow::placeOfSigningIsKeptAcrossARestart()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    m_window->setFieldText(QStringLiteral("Luogo"), QString::fromUtf8("  Forlì "));
    m_window->close();
    delete m_window;

    // The next run of the program.
    m_window = new TfrmContratti;
    m_window->setHomeWindow(m_home);
    QVERIFY(CardTestTools::showAndActivate(m_window));
    QCOMPARE(m_window->fieldText(QStringLiteral("Luogo")), QString::fromUtf8("Forlì"));
    QFile settings(m_platform->filePath(QStringLiteral("Rovoziv.ini")));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(), QByteArray("[Contratti Locazione]\r\nLuogo=Forl\xEC\r\n"));
}

void TestContractWindow::placeIsReadWhenShownAndWrittenWhenClosed()
{
    IniFile settings(m_window->settingsPath());
    QVERIFY(settings.writeString(QStringLiteral("Altro"), QStringLiteral("Chiave"), QStringLiteral("valore")));
    QVERIFY(settings.writeString(QStringLiteral("contratti locazione"), QStringLiteral("LUOGO"), QStringLiteral("Pesaro")));
    QVERIFY(CardTestTools::showAndActivate(m_window));
    QCOMPARE(m_window->fieldText(QStringLiteral("Luogo")), QStringLiteral("Pesaro"));

    // An empty place is written too.
    m_window->setFieldText(QStringLiteral("Luogo"), QString());
    control<QToolButton>(m_window, QStringLiteral("cmdEsci"))->click();
    QVERIFY(m_home->isVisible());
    QCOMPARE(settings.readString(QStringLiteral("Contratti Locazione"), QStringLiteral("Luogo"), QStringLiteral("?")),
             QString());
    QCOMPARE(settings.readString(QStringLiteral("Altro"), QStringLiteral("Chiave")), QStringLiteral("valore"));
}

void TestContractWindow::duplicateKeepsTheContractAndDatesItToday()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    fillValidContract();
    m_window->setFieldText(QStringLiteral("Data"), QStringLiteral("15/07/2026"));
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    control<QToolButton>(m_window, QStringLiteral("cmdDuplica"))->click();
    QVERIFY(control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text().isEmpty());
    QCOMPARE(m_window->fieldText(QStringLiteral("Data")), QStringLiteral("09/12/2026"));
    QCOMPARE(m_window->fieldText(QStringLiteral("InizioCon")), QStringLiteral("01/08/2026"));
    QCOMPARE(m_window->fieldText(QStringLiteral("FineCon")), QStringLiteral("07/08/2026"));
    QCOMPARE(m_window->fieldText(QStringLiteral("Conduttore")), QStringLiteral("BIANCHI ANNA"));
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("E' ora possibile apportare le proprie modifiche al contratto corrente.\n\r\n\r"
                            "Al termine premere Salva per inserire il contratto in archivio."));
    QCOMPARE(QApplication::focusWidget(), control(m_window, QStringLiteral("txtLocatore")));
}

void TestContractWindow::duplicateRefusedOnANewContract()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    fillValidContract();
    control<QToolButton>(m_window, QStringLiteral("cmdDuplica"))->click();
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: la duplicazione di un contratto può avvenire soltanto dopo che questo è "
                            "stato inserito in archivio."));
    QCOMPARE(m_window->fieldText(QStringLiteral("Locatore")), QStringLiteral("ROSSI MARIO"));
}

void TestContractWindow::saveRunsTheChecksAndMovesTheFocus()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    fillValidContract();
    m_window->setFieldText(QStringLiteral("FineCon"), QStringLiteral("31/02/2024"));
    control(m_window, QStringLiteral("txtPersone"))->setFocus();
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Plain);
    QVERIFY(m_platform->lastMessage().text.startsWith(QStringLiteral("Attenzione: la data 31/02/2024 di fine")));
    QCOMPARE(QApplication::focusWidget(), control(m_window, QStringLiteral("txtFineCon")));
    QVERIFY(!QFile::exists(m_platform->filePath(QStringLiteral("Archivio_Contratti.pro"))));

    // Backspace empties the start date: the missing date is reported next.
    KeyInput::pressKey(control(m_window, QStringLiteral("txtInizioCon")), Qt::Key_Backspace);
    QVERIFY(m_window->fieldText(QStringLiteral("InizioCon")).isEmpty());
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: per salvare i dati è necessario indicare la data di inizio contratto."));
    QCOMPARE(QApplication::focusWidget(), control(m_window, QStringLiteral("txtInizioCon")));
}

void TestContractWindow::saveWritesTheContract()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    fillValidContract();
    m_window->setFieldText(QStringLiteral("Luogo"), QStringLiteral(" Rimini "));
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Il contratto corrente è stato inserito in archivio."));
    QFile archive(m_platform->filePath(QStringLiteral("Archivio_Contratti.pro")));
    QVERIFY(archive.open(QIODevice::ReadOnly));
    const QByteArray record = archive.readAll();
    QCOMPARE(record.size(), 2751);
    QCOMPARE(record.mid(1561, 11), QByteArray("\x0a" "01/08/2026"));
    QCOMPARE(record.mid(2689, 7), QByteArray("\x06Rimini"));
    QCOMPARE(record.mid(2740, 11), QByteArray("\x0a" "09/12/2026"));
    // The window keeps the text as typed.
    QCOMPARE(m_window->fieldText(QStringLiteral("Luogo")), QStringLiteral(" Rimini "));

    m_window->setFieldText(QStringLiteral("ImpCauzione"), QStringLiteral("200"));
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Le modifiche apportate al contratto corrente sono state salvate in archivio."));
    control<QToolButton>(m_window, QStringLiteral("cmdNuovo"))->click();
    control<QToolButton>(m_window, QStringLiteral("cmdUltimo"))->click();
    QCOMPARE(m_window->fieldText(QStringLiteral("ImpCauzione")), QStringLiteral("200"));
}

void TestContractWindow::doubleBookingAsksBeforeSaving_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");

    QTest::newRow("overlap, No") << "05/08/2026" << "12/08/2026" << false << true;
    QTest::newRow("overlap, Yes") << "05/08/2026" << "12/08/2026" << true << true;
    QTest::newRow("arrival on the departure day") << "07/08/2026" << "12/08/2026" << false << false;
}

void TestContractWindow::doubleBookingAsksBeforeSaving()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    const qint64 recordSize = RecordLayouts::contratto().recordSize();
    const QString archive = m_platform->filePath(QStringLiteral("Archivio_Contratti.pro"));

    QVERIFY(CardTestTools::showAndActivate(m_window));
    fillValidContract();
    m_window->setFieldText(QStringLiteral("ComuneImm"), QStringLiteral("Rimini"));
    m_window->setFieldText(QStringLiteral("ViaImm"), QStringLiteral("Viale Vespucci 12"));
    m_window->setFieldText(QStringLiteral("Interno"), QStringLiteral("3"));
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    // Saved again over itself, the contract is no double booking.
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    QVERIFY(m_platform->questions.isEmpty());
    QCOMPARE(QFileInfo(archive).size(), recordSize);

    // Another tenant for the same flat.
    control<QToolButton>(m_window, QStringLiteral("cmdDuplica"))->click();
    m_window->setFieldText(QStringLiteral("Conduttore"), QStringLiteral("NERI LUCA"));
    m_window->setFieldText(QStringLiteral("ViaImm"), QStringLiteral(" viale vespucci 12 "));
    m_window->setFieldText(QStringLiteral("InizioCon"), start);
    m_window->setFieldText(QStringLiteral("FineCon"), end);
    control(m_window, QStringLiteral("txtImpCanone"))->setFocus();
    m_platform->clear();
    m_platform->answers = {answer};
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();

    const QString position = control<QLabel>(m_window, QStringLiteral("lblPosizione"))->text();
    if (asked) {
        QCOMPARE(m_platform->questions,
                 QStringList{QString::fromUtf8("Attenzione: l'immobile risulta già locato a BIANCHI ANNA dal "
                                               "01/08/2026 al 07/08/2026.\n\nSalvare comunque il contratto?")});
        QCOMPARE(m_platform->questionDefaults, QList<DefaultAnswer>{DefaultAnswer::No});
    } else {
        QVERIFY(m_platform->questions.isEmpty());
    }
    if (asked && !answer) {
        QVERIFY(position.isEmpty());
        QCOMPARE(QFileInfo(archive).size(), recordSize);
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(QApplication::focusWidget(), control(m_window, QStringLiteral("txtInizioCon")));
        return;
    }
    QCOMPARE(position, QStringLiteral("2"));
    QCOMPARE(QFileInfo(archive).size(), 2 * recordSize);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Il contratto corrente è stato inserito in archivio."));
    control<QToolButton>(m_window, QStringLiteral("cmdUltimo"))->click();
    QCOMPARE(m_window->fieldText(QStringLiteral("Conduttore")), QStringLiteral("NERI LUCA"));
    QCOMPARE(m_window->fieldText(QStringLiteral("InizioCon")), start);
}

void TestContractWindow::dateFieldKeys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("tag");
    QTest::newRow("start") << "txtInizioCon" << "contratti_iniziocon";
    QTest::newRow("end") << "txtFineCon" << "contratti_finecon";
    QTest::newRow("signing") << "txtData" << "contratti_data";
}

void TestContractWindow::dateFieldKeys()
{
    QFETCH(QString, field);
    QFETCH(QString, tag);
    QVERIFY(CardTestTools::showAndActivate(m_window));
    auto *edit = control<QLineEdit>(m_window, field);
    edit->setText(QStringLiteral("03/04/2027"));

    // Any other key opens the picker with the field's tag; the key is not
    // typed, and Annulla leaves the field as it was.
    QString opened;
    QString callerTag;
    QDate shown;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        callerTag = control<QLabel>(modal, QStringLiteral("lblMemory"))->text();
        shown = control<QCalendarWidget>(modal, QStringLiteral("calAppuntamenti"))->selectedDate();
        control<QPushButton>(modal, QStringLiteral("btnAnnulla"))->click();
    });
    KeyInput::pressKey(edit, Qt::Key_5, QStringLiteral("5"));
    QCOMPARE(opened, QStringLiteral("frmCalendario"));
    QCOMPARE(callerTag, tag);
    QCOMPARE(shown, QDate(2026, 12, 9));
    QCOMPARE(edit->text(), QStringLiteral("03/04/2027"));

    // Importa writes the chosen day into this field only.
    CardTestTools::onNextModal([&](QWidget *modal) {
        control<QCalendarWidget>(modal, QStringLiteral("calAppuntamenti"))->setSelectedDate(QDate(2027, 3, 5));
        control<QPushButton>(modal, QStringLiteral("btnImportaData"))->click();
    });
    KeyInput::pressKey(edit, Qt::Key_A, QStringLiteral("a"));
    QCOMPARE(edit->text(), QStringLiteral("05/03/2027"));

    // Backspace and Delete empty the field without a picker.
    KeyInput::pressKey(edit, Qt::Key_Backspace);
    QVERIFY(edit->text().isEmpty());
    edit->setText(QStringLiteral("01/01/2027"));
    KeyInput::pressKey(edit, Qt::Key_Delete);
    QVERIFY(edit->text().isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestContractWindow::enterChainThroughTheDates()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    const QList<QPair<QString, QString>> steps = {
        {"txtDurataCon", "txtInizioCon"},
        {"txtInizioCon", "txtFineCon"},
        {"txtFineCon", "txtImpCanone"},
        {"txtData", "txtLocatore"},
        {"txtCapLoc", "txtConduttore"},
    };
    for (const auto &[from, to] : steps) {
        QWidget *field = control(m_window, from);
        field->setFocus();
        KeyInput::pressKey(field, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control(m_window, to));
    }
}

void TestContractWindow::fiscalCodeButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("window");
    QTest::newRow("landlord, eleven digits") << "impCodFiscLoc" << "CodFiscLoc" << "12345678901" << "frmPartitaIva";
    QTest::newRow("landlord, empty") << "impCodFiscLoc" << "CodFiscLoc" << "" << "frmCodFisc";
    QTest::newRow("tenant, personal code") << "impCodFiscCon" << "CodFiscCon" << "RSSMRA85T10A562S" << "frmCodFisc";
}

void TestContractWindow::fiscalCodeButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, window);
    QVERIFY(CardTestTools::showAndActivate(m_window));
    m_window->setFieldText(field, value);
    QString opened;
    QString received;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        received = modal->findChild<QLineEdit *>()->text();
    });
    control<QToolButton>(m_window, button)->click();
    QCOMPARE(opened, window);
    QCOMPARE(received, value);
}

void TestContractWindow::hints()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    QCOMPARE(m_window->statusText(), QStringLiteral("Pronto per archiviare un nuovo contratto..."));
    const QList<QPair<QString, QString>> hints = {
        {"cmdNuovo", "Prepara la schermata per l'emissione di un nuovo contratto."},
        {"cmdSalva", "Salva o aggiorna il contratto corrente."},
        {"cmdNumerazione", "Visualizza il riepilogo dei contratti non scaduti."},
        {"cmdEsporta", "Esporta l'archivio dei contratti in un foglio di lavoro di Microsoft Excel."},
        {"impLocatore", "Importa i dati dall'archivio dei Locatori."},
        {"impConduttore", "Importa i dati dall'archivio dei Conduttori."},
        {"impCodFiscCon", "Controlla il codice fiscale."},
    };
    for (const auto &[name, hint] : hints) {
        CardTestTools::moveMouseOver(control(m_window, name));
        QCOMPARE(m_window->statusText(), hint);
    }
    CardTestTools::moveMouseOver(control(m_window, QStringLiteral("panContratto")), QPoint(990, 262));
    QCOMPARE(m_window->statusText(), QString());
}

QTEST_MAIN(TestContractWindow)
#include "tst_contractwindow.moc"
