#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "TestChild.h"
#include "widgets/receipts/TfrmMenuRicevute.h"
#include "widgets/receipts/TfrmRicevuta.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using TestTools::child;

class TestYearWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showProposesTheCurrentYear();
    void yearMustHaveFourCharacters_data();
    void yearMustHaveFourCharacters();
    void openingAYearHandsItsArchiveToTheReceipts();
    void enterMovesToOpenAndOnlyDigitsAreTyped();

private:
    QLineEdit *year() const { return child<QLineEdit>(m_window, QStringLiteral("txtAnnoPreventivi")); }
    QPushButton *openButton() const { return child<QPushButton>(m_window, QStringLiteral("btnApriPreventivi")); }
    QString callerTag() const { return child<QLabel>(m_window, QStringLiteral("lblMemory"))->text(); }

    FakePlatform *m_platform = nullptr;
    QWidget *m_home = nullptr;
    TfrmRicevuta *m_receipts = nullptr;
    TfrmMenuRicevute *m_window = nullptr;
};

void TestYearWindow::init()
{
    m_platform = new FakePlatform;
    m_platform->clock = QDateTime(QDate(2027, 1, 2), QTime(8, 0));
    m_home = new QWidget;
    m_receipts = new TfrmRicevuta;
    m_receipts->setHomeWindow(m_home);
    m_window = new TfrmMenuRicevute;
    m_window->setHomeWindow(m_home);
    m_window->setReceiptWindow(m_receipts);
    QVERIFY(CardTestTools::showAndActivate(m_window));
}

void TestYearWindow::cleanup()
{
    delete m_window;
    delete m_receipts;
    delete m_home;
    delete m_platform;
}

void TestYearWindow::showProposesTheCurrentYear()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmMenuRicevute"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Vacanzio - Emissione Ricevute"));
    QCOMPARE(year()->text(), QStringLiteral("2027"));
    QCOMPARE(year()->maxLength(), 4);
    QCOMPARE(callerTag(), QStringLiteral("avvio"));
    QCOMPARE(QApplication::focusWidget(), year());
    QCOMPARE(child<QLabel>(m_window, QStringLiteral("lblInfo"))->text(),
             QStringLiteral("In questo ambiente è possibile archiviare e stampare ricevute di pagamento generiche."));
    QCOMPARE(child<QLabel>(m_window, QStringLiteral("intAnnoPreventivi"))->text(),
             QStringLiteral("Archivio ricevute di pagamento:"));
    QCOMPARE(child<QLabel>(m_window, QStringLiteral("titAnnoPreventivi"))->text(), QStringLiteral("Anno:"));
    QCOMPARE(openButton()->text(), QStringLiteral("Apri"));
    // The guide opens on the receipts' topic, the same as the receipt window's.
    QString opened;
    QString title;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        title = child<QLabel>(modal, QStringLiteral("lblTitolo"))->text();
    });
    QTest::mouseClick(child<QWidget>(m_window, QStringLiteral("imgGuida")), Qt::LeftButton);
    QCOMPARE(opened, QStringLiteral("frmGuida"));
    QCOMPARE(title, QStringLiteral("App Emissione Ricevute"));
}

void TestYearWindow::yearMustHaveFourCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("two digits") << "27";
    QTest::newRow("three digits") << "202";
    QTest::newRow("empty") << "";
    QTest::newRow("blank inside the four") << "202 ";
}

void TestYearWindow::yearMustHaveFourCharacters()
{
    QFETCH(QString, typed);
    year()->setText(typed);
    openButton()->click();
    if (typed.size() == 4) {
        // Four characters pass, blanks included: the year is trimmed.
        QCOMPARE(child<QLabel>(m_receipts, QStringLiteral("lblFile"))->text(), m_platform->filePath("202.ric"));
        return;
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_receipts->isVisible());
    QCOMPARE(QApplication::focusWidget(), year());
    QCOMPARE(callerTag(), QStringLiteral("avvio"));
}

void TestYearWindow::openingAYearHandsItsArchiveToTheReceipts()
{
    year()->setText(QStringLiteral("0001"));
    openButton()->click();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_receipts->isVisible());
    QVERIFY(!m_home->isVisible());
    QCOMPARE(callerTag(), QStringLiteral("ricevute"));
    QCOMPARE(child<QLabel>(m_receipts, QStringLiteral("lblFile"))->text(), m_platform->filePath("0001.ric"));
    QCOMPARE(m_receipts->windowTitle(), QStringLiteral(" Vacanzio - Archivio ricevute anno 0001"));
    // The archive is made by the first archive action, not by choosing it.
    QVERIFY(!QFile::exists(m_platform->filePath("0001.ric")));
    child<QToolButton>(m_receipts, QStringLiteral("cmdNuovo"))->click();
    QVERIFY(QFile::exists(m_platform->filePath("0001.ric")));
    QCOMPARE(m_receipts->fieldText(QStringLiteral("NumRic")), QStringLiteral("1"));

    // Back in the module next time: the current year again, waiting.
    m_receipts->close();
    QVERIFY(CardTestTools::showAndActivate(m_window));
    QCOMPARE(year()->text(), QStringLiteral("2027"));
    QCOMPARE(callerTag(), QStringLiteral("avvio"));
}

void TestYearWindow::enterMovesToOpenAndOnlyDigitsAreTyped()
{
    year()->clear();
    KeyInput::typeText(year(), QStringLiteral("2a0-2 6"));
    QCOMPARE(year()->text(), QStringLiteral("2026"));
    KeyInput::pressKey(year(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), openButton());
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(TestYearWindow)
#include "tst_yearwindow.moc"
