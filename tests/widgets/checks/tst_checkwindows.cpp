#include "TestChild.h"
#include "widgets/checks/TfrmCodFisc.h"
#include "widgets/checks/TfrmPartitaIva.h"

#include "FakePlatform.h"
#include "KeyInput.h"
#include "ModalCheck.h"

#include <QApplication>
#include <QDialog>

#include <memory>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(MessageKind)

namespace {

const QString FiscalLengthWarning =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString FiscalValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString FiscalWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");

const QString VatLengthWarning =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString VatWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");

QString vatValid(const QString &office)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ")
           + office + QStringLiteral(".");
}

const QString VatValidUnknownOffice = QStringLiteral(
    "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
    "L'Ufficio IVA che lo ha rilasciato non è presente nella tabella degli uffici conosciuti dal programma.");

template <typename T>
T *child(QWidget &window, const char *name, std::source_location where = std::source_location::current())
{
    return TestTools::child<T>(&window, QLatin1String(name), where);
}

void showActive(QDialog &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
}

} // namespace

class TestCheckWindows : public QObject
{
    Q_OBJECT

private slots:
    // --- fiscal code window -------------------------------------------------

    // Both check windows are built alike; each row is one of them.
    void windowControls_data()
    {
        QTest::addColumn<bool>("vat");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("limit");
        QTest::newRow("fiscal code") << false << "frmCodFisc" << " Controllo codice fiscale" << QSize(478, 254)
                                     << "Immettere il codice fiscale e premere il pulsante di controllo."
                                     << "txtCodFisc" << 16;
        QTest::newRow("vat number") << true << "frmPartitaIva" << " Controllo partita IVA" << QSize(480, 254)
                                    << "Immettere il numero di partita IVA e premere il pulsante di controllo."
                                    << "txtPartitaIva" << 11;
    }

    void windowControls()
    {
        QFETCH(bool, vat);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QString, instruction);
        QFETCH(QString, field);
        QFETCH(int, limit);
        std::unique_ptr<QDialog> window;
        if (vat)
            window = std::make_unique<TfrmPartitaIva>();
        else
            window = std::make_unique<TfrmCodFisc>();
        QCOMPARE(window->objectName(), name);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), size);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowSystemMenuHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!child<QLabel>(*window, "imgLogo")->pixmap().isNull());
        QCOMPARE(child<QLabel>(*window, "lblTitolo")->text(), instruction);
        auto *edit = child<QLineEdit>(*window, qPrintable(field));
        QCOMPARE(edit->maxLength(), limit);
        QCOMPARE(edit->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(edit->font().pointSize(), 20);
        QVERIFY(edit->font().bold());
        QCOMPARE(child<QPushButton>(*window, "btnControlla")->text(), QStringLiteral("Controlla"));
        QCOMPARE(child<QPushButton>(*window, "btnChiudi")->text(), QStringLiteral("Chiudi"));
    }

    void fiscalCodeTooShortKeepsWindowOpen_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("empty") << QString();
        QTest::newRow("15 characters") << QStringLiteral("RSSMRA85T10A562");
    }

    void fiscalCodeTooShortKeepsWindowOpen()
    {
        QFETCH(QString, code);
        FakePlatform fake;
        TfrmCodFisc window;
        showActive(window);
        auto *field = child<QLineEdit>(window, "txtCodFisc");
        auto *check = child<QPushButton>(window, "btnControlla");
        KeyInput::typeText(field, code);
        check->setFocus();
        QTRY_VERIFY(check->hasFocus());

        check->click();

        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().kind, MessageKind::Warning);
        QCOMPARE(fake.lastMessage().text, FiscalLengthWarning);
        QVERIFY(window.isVisible());
        QVERIFY(window.result() != QDialog::Accepted);
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(field->text(), code);
    }

    void fiscalCodeCheckClosesWindow_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("valid") << QStringLiteral("RSSMRA85T10A562S") << MessageKind::Information << FiscalValid;
        QTest::newRow("wrong check letter") << QStringLiteral("RSSMRA85T10A562T") << MessageKind::Warning
                                            << FiscalWrong;
        QTest::newRow("sign inside") << QStringLiteral("RSSMRA85T1-A562S") << MessageKind::Warning
                                     << FiscalWrong;
    }

    void fiscalCodeCheckClosesWindow()
    {
        QFETCH(QString, code);
        QFETCH(MessageKind, kind);
        QFETCH(QString, message);
        FakePlatform fake;
        TfrmCodFisc window;
        showActive(window);
        KeyInput::typeText(child<QLineEdit>(window, "txtCodFisc"), code);

        child<QPushButton>(window, "btnControlla")->click();

        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().kind, kind);
        QCOMPARE(fake.lastMessage().text, message);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void typedSmallLettersShowAsCapitals()
    {
        TfrmCodFisc window;
        showActive(window);
        auto *field = child<QLineEdit>(window, "txtCodFisc");
        KeyInput::typeText(field, QStringLiteral("rss"));
        QCOMPARE(field->text(), QStringLiteral("RSS"));
        KeyInput::typeText(field, QStringLiteral("mra85t10a562s"));
        QCOMPARE(field->text(), QStringLiteral("RSSMRA85T10A562S"));
    }

    void typedBlanksAtTheEndsVanish()
    {
        TfrmCodFisc window;
        showActive(window);
        auto *field = child<QLineEdit>(window, "txtCodFisc");
        KeyInput::typeText(field, QStringLiteral(" "));
        QCOMPARE(field->text(), QString());
        KeyInput::typeText(field, QStringLiteral("  rs"));
        QCOMPARE(field->text(), QStringLiteral("RS"));
        KeyInput::typeText(field, QStringLiteral(" "));
        QCOMPARE(field->text(), QStringLiteral("RS"));
    }

    void codeSetInSmallLettersIsCheckedInCapitals()
    {
        FakePlatform fake;
        TfrmCodFisc window;
        child<QLineEdit>(window, "txtCodFisc")->setText(QStringLiteral("rssmra85t10a562s"));
        showActive(window);

        child<QPushButton>(window, "btnControlla")->click();

        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().kind, MessageKind::Information);
        QCOMPARE(fake.lastMessage().text, FiscalValid);
    }

    void fieldHasFocusWhenShownAndEnterMovesToCheckButton_data()
    {
        QTest::addColumn<bool>("vat");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("fiscal code") << false << "txtCodFisc" << "RSSMRA85T10A562S" << FiscalValid;
        QTest::newRow("vat number") << true << "txtPartitaIva" << "12345670587" << vatValid(QStringLiteral("Roma 1"));
    }

    void fieldHasFocusWhenShownAndEnterMovesToCheckButton()
    {
        QFETCH(bool, vat);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        FakePlatform fake;
        std::unique_ptr<QDialog> window;
        if (vat)
            window = std::make_unique<TfrmPartitaIva>();
        else
            window = std::make_unique<TfrmCodFisc>();
        showActive(*window);
        auto *edit = child<QLineEdit>(*window, qPrintable(field));
        auto *check = child<QPushButton>(*window, "btnControlla");
        QTRY_VERIFY(edit->hasFocus());
        KeyInput::typeText(edit, value);

        KeyInput::pressKey(edit, Qt::Key_Return, QStringLiteral("\r"));

        QTRY_VERIFY(check->hasFocus());
        // Enter in the field only moves on; the check waits for the button.
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(window->isVisible());

        KeyInput::pressKey(check, Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().text, message);
        QVERIFY(!window->isVisible());
    }

    void fiscalCloseButtonAndEscapeCloseSilently_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Chiudi") << false;
        QTest::newRow("Escape") << true;
    }

    void fiscalCloseButtonAndEscapeCloseSilently()
    {
        QFETCH(bool, escape);
        FakePlatform fake;
        TfrmCodFisc window;
        showActive(window);
        auto *field = child<QLineEdit>(window, "txtCodFisc");
        KeyInput::typeText(field, QStringLiteral("RSSMRA85T10A562S"));
        if (escape)
            KeyInput::pressKey(field, Qt::Key_Escape);
        else
            child<QPushButton>(window, "btnChiudi")->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(fake.messages.isEmpty());
    }

    void fiscalOpenWithRunsModallyOnTheGivenCode()
    {
        FakePlatform fake;
        ModalCheck modal;
        modal.pressCheckWhenShown();
        TfrmCodFisc::openWith(nullptr, QStringLiteral(" rssmra85t10a562s "));
        QCOMPARE(modal.windowName, QStringLiteral("frmCodFisc"));
        QCOMPARE(modal.fieldText, QStringLiteral("rssmra85t10a562s"));
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().text, FiscalValid);
    }

    // --- VAT number window --------------------------------------------------

    void onlyDigitsCanBeTyped()
    {
        TfrmPartitaIva window;
        showActive(window);
        auto *field = child<QLineEdit>(window, "txtPartitaIva");
        KeyInput::typeText(field, QStringLiteral("ab-1.2 +3x"));
        QCOMPARE(field->text(), QStringLiteral("123"));
        KeyInput::pressKey(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("12"));
        KeyInput::typeText(field, QStringLiteral("3456789012345"));
        QCOMPARE(field->text(), QStringLiteral("12345678901"));
    }

    void vatNumberOfWrongLengthKeepsWindowOpen()
    {
        FakePlatform fake;
        TfrmPartitaIva window;
        showActive(window);
        auto *field = child<QLineEdit>(window, "txtPartitaIva");
        auto *check = child<QPushButton>(window, "btnControlla");
        KeyInput::typeText(field, QStringLiteral("1234567058"));
        check->setFocus();
        QTRY_VERIFY(check->hasFocus());

        check->click();

        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().kind, MessageKind::Warning);
        QCOMPARE(fake.lastMessage().text, VatLengthWarning);
        QVERIFY(window.isVisible());
        QVERIFY(window.result() != QDialog::Accepted);
        QTRY_VERIFY(field->hasFocus());
    }

    void vatNumberCheckClosesWindow_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("Roma 1") << QStringLiteral("12345670587") << MessageKind::Information
                                << vatValid(QStringLiteral("Roma 1"));
        QTest::newRow("Roma 1, wrong check digit") << QStringLiteral("12345670588") << MessageKind::Warning
                                                   << VatWrong;
        QTest::newRow("Bologna 2 by code 120") << QStringLiteral("00000001206") << MessageKind::Information
                                               << vatValid(QStringLiteral("Bologna 2"));
        QTest::newRow("Bologna 2 by code 101") << QStringLiteral("00000001016") << MessageKind::Information
                                               << vatValid(QStringLiteral("Bologna 2"));
        QTest::newRow("Forli") << QStringLiteral("01234560405") << MessageKind::Information
                               << vatValid(QStringLiteral("Forl\u00ec"));
        QTest::newRow("Milano 1") << QStringLiteral("00743110157") << MessageKind::Information
                                  << vatValid(QStringLiteral("Milano 1"));
        QTest::newRow("unknown office 000") << QStringLiteral("12345670009") << MessageKind::Information
                                            << VatValidUnknownOffice;
        QTest::newRow("unknown office 890") << QStringLiteral("12345678903") << MessageKind::Information
                                            << VatValidUnknownOffice;
    }

    void vatNumberCheckClosesWindow()
    {
        QFETCH(QString, number);
        QFETCH(MessageKind, kind);
        QFETCH(QString, message);
        FakePlatform fake;
        TfrmPartitaIva window;
        showActive(window);
        KeyInput::typeText(child<QLineEdit>(window, "txtPartitaIva"), number);

        child<QPushButton>(window, "btnControlla")->click();

        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().kind, kind);
        QCOMPARE(fake.lastMessage().text, message);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    // Card windows hand over what their field holds; the filter only stops
    // keys, so a non-digit can arrive this way.
    void vatNumberSetWithANonDigitIsWrong()
    {
        FakePlatform fake;
        TfrmPartitaIva window;
        child<QLineEdit>(window, "txtPartitaIva")->setText(QStringLiteral("1234567058A"));
        showActive(window);
        child<QPushButton>(window, "btnControlla")->click();
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().kind, MessageKind::Warning);
        QCOMPARE(fake.lastMessage().text, VatWrong);
    }

    // A company's fiscal code field may hold more than 11 digits; the check
    // must see all of them rather than a valid-looking first 11.
    void longerValueHandedOverIsNotCut()
    {
        FakePlatform fake;
        TfrmPartitaIva window;
        window.setValue(QStringLiteral("123456705870"));
        showActive(window);
        auto *field = child<QLineEdit>(window, "txtPartitaIva");
        QCOMPARE(field->text(), QStringLiteral("123456705870"));

        child<QPushButton>(window, "btnControlla")->click();
        QCOMPARE(fake.lastMessage().text, VatLengthWarning);
        QVERIFY(window.isVisible());

        // Once the user brings it back within 11 digits, the usual limit holds.
        field->end(false);
        KeyInput::pressKey(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("12345670587"));
        QCOMPARE(field->maxLength(), 11);
        KeyInput::typeText(field, QStringLiteral("9"));
        QCOMPARE(field->text(), QStringLiteral("12345670587"));

        child<QPushButton>(window, "btnControlla")->click();
        QCOMPARE(fake.lastMessage().text, vatValid(QStringLiteral("Roma 1")));
        QVERIFY(!window.isVisible());
    }


    void vatCloseButtonClosesSilently()
    {
        FakePlatform fake;
        TfrmPartitaIva window;
        showActive(window);
        KeyInput::typeText(child<QLineEdit>(window, "txtPartitaIva"), QStringLiteral("12345670587"));
        child<QPushButton>(window, "btnChiudi")->click();
        QVERIFY(!window.isVisible());
        QVERIFY(fake.messages.isEmpty());
    }

    void vatOpenWithRunsModallyOnTheGivenNumber()
    {
        FakePlatform fake;
        ModalCheck modal;
        modal.pressCheckWhenShown();
        TfrmPartitaIva::openWith(nullptr, QStringLiteral("00000001206"));
        QCOMPARE(modal.windowName, QStringLiteral("frmPartitaIva"));
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().text, vatValid(QStringLiteral("Bologna 2")));
    }
};

QTEST_MAIN(TestCheckWindows)
#include "tst_checkwindows.moc"
