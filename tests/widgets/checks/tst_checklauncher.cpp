#include "widgets/checks/CheckLauncher.h"

#include "FakePlatform.h"
#include "ModalCheck.h"

#include <QTest>

class TestCheckLauncher : public QObject
{
    Q_OBJECT

private slots:
    void fiscalCodeFieldOpensTheRightWindow_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("person's code, small letters")
            << QStringLiteral(" rssmra85t10a562s ") << QStringLiteral("frmCodFisc")
            << QStringLiteral("rssmra85t10a562s") << QStringLiteral("Il codice fiscale digitato è VALIDO.");
        QTest::newRow("empty") << QString() << QStringLiteral("frmCodFisc") << QString()
                               << QStringLiteral("Attenzione: il codice fiscale deve essere composto da "
                                                 "16 caratteri alfanumerici.");
        // A company's fiscal code is its VAT number.
        QTest::newRow("digits only") << QStringLiteral("12345670587") << QStringLiteral("frmPartitaIva")
                                     << QStringLiteral("12345670587")
                                     << QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                                       "E' stato rilasciato dall'Ufficio IVA del Comune di Roma 1.");
        // Sixteen digits fit the fiscal code field but are no VAT number:
        // the VAT window must see all of them.
        QTest::newRow("16 digits") << QStringLiteral("1234567058700000") << QStringLiteral("frmPartitaIva")
                                   << QStringLiteral("1234567058700000")
                                   << QStringLiteral("Attenzione: la partita IVA deve essere composta da "
                                                     "11 caratteri numerici.");
    }

    void fiscalCodeFieldOpensTheRightWindow()
    {
        QFETCH(QString, value);
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, message);
        FakePlatform fake;
        ModalCheck modal;
        modal.pressCheckWhenShown();

        CheckLauncher::checkFiscalCode(nullptr, value);

        QCOMPARE(modal.windowName, window);
        QCOMPARE(modal.fieldText, field);
        QVERIFY(!fake.messages.isEmpty());
        QCOMPARE(fake.messages.first().text, message);
    }

    void vatNumberFieldOpensTheVatWindow()
    {
        FakePlatform fake;
        ModalCheck modal;
        modal.pressCheckWhenShown();

        CheckLauncher::checkVatNumber(nullptr, QStringLiteral("12345670588"));

        QCOMPARE(modal.windowName, QStringLiteral("frmPartitaIva"));
        QCOMPARE(modal.fieldText, QStringLiteral("12345670588"));
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().kind, MessageKind::Warning);
        QVERIFY(fake.lastMessage().text.startsWith(
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!")));
    }
};

QTEST_MAIN(TestCheckLauncher)
#include "tst_checklauncher.moc"
