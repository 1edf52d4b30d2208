#include "ArchiveFixture.h"
#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "TestFiles.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/properties/PropertyCodes.h"
#include "widgets/properties/TfrmCodiciImmobile.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using CardTestTools::control;

namespace {

const PropertyCodes::Owner kRossi{QStringLiteral("RSSMRA70A01G478X"), QStringLiteral("ROSSI MARIO")};
const PropertyCodes::Owner kVerdi{QStringLiteral("VRDLGU60B02D612Y"), QStringLiteral("VERDI LUIGI")};

const QString kInvalidCin = QString::fromUtf8(
    "Attenzione: il CIN indicato non è valido.\n\r\n\r"
    "Il codice identificativo nazionale è formato dalle lettere IT seguite da non più di 16 lettere e cifre, "
    "senza spazi né simboli.");

} // namespace

class TestCodesWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsTheStoredCardsCodes();
    void typedCinIsUpperCasedAndSaved();
    void wrongCinIsRefused_data();
    void wrongCinIsRefused();
    void codesOfAnOverwrittenCardAreNotShown();
    void annullaSavesNothing();
    void cardNoLongerThereGivesTheAccessMessage();

private:
    QString codesFile() const { return m_platform->filePath(QStringLiteral("Codici_Immobili.dat")); }
    // The window for landlord record `position`, loaded and shown.
    void openOn(qint64 position);
    QLineEdit *field(const char *name) const { return control<QLineEdit>(m_window, QLatin1String(name)); }
    void click(const char *name) const { control<QPushButton>(m_window, QLatin1String(name))->click(); }

    FakePlatform *m_platform = nullptr;
    TfrmCodiciImmobile *m_window = nullptr;
};

void TestCodesWindow::init()
{
    m_platform = new FakePlatform;
    const RecordLayout &layout = RecordLayouts::locatore();
    QVERIFY(ArchiveFixture::write(m_platform->filePath(QStringLiteral("Archivio_Locatori.pro")), {
        ArchiveFixture::record(layout, {{QStringLiteral("Locatore"), "ROSSI MARIO"},
                                        {QStringLiteral("CodFiscLoc"), "RSSMRA70A01G478X"},
                                        {QStringLiteral("ComuneImm"), "Perugia"},
                                        {QStringLiteral("ViaImm"), "Via Roma 3"},
                                        {QStringLiteral("Scala"), "B"}}),
        ArchiveFixture::record(layout, {{QStringLiteral("Locatore"), "VERDI LUIGI"},
                                        {QStringLiteral("CodFiscLoc"), "VRDLGU60B02D612Y"}}),
    }));
}

void TestCodesWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_platform;
}

void TestCodesWindow::openOn(qint64 position)
{
    m_window = new TfrmCodiciImmobile(position, nullptr);
    QVERIFY(m_window->load());
    QVERIFY(CardTestTools::showAndActivate(m_window));
}

void TestCodesWindow::showsTheStoredCardsCodes()
{
    const PropertyCodes::Codes codes{QStringLiteral("IT054039C2ABCD1234"), QStringLiteral("R-12"),
                                     QStringLiteral("000012")};
    QVERIFY(PropertyCodes::save(m_platform->folder(), 1, kRossi, codes));
    openOn(1);
    QCOMPARE(m_window->objectName(), QStringLiteral("frmCodiciImmobile"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Codici dell'immobile"));
    QVERIFY(m_window->isModal());
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblImmobile"))->text(),
             QStringLiteral("Locatore: ROSSI MARIO\nImmobile: Via Roma 3, scala B - Perugia"));
    QCOMPARE(field("txtCIN")->text(), QStringLiteral("IT054039C2ABCD1234"));
    QCOMPARE(field("txtCodiceRegionale")->text(), QStringLiteral("R-12"));
    QCOMPARE(field("txtIdAppartamento")->text(), QStringLiteral("000012"));
    QCOMPARE(field("txtCIN")->maxLength(), 18);
    QCOMPARE(field("txtCodiceRegionale")->maxLength(), 50);
    QCOMPARE(field("txtIdAppartamento")->maxLength(), 6);
    QCOMPARE(control<QPushButton>(m_window, QStringLiteral("btnSalva"))->text(), QStringLiteral("Salva"));
    QCOMPARE(control<QPushButton>(m_window, QStringLiteral("btnAnnulla"))->text(), QStringLiteral("Annulla"));
    QCOMPARE(QApplication::focusWidget(), field("txtCIN"));
    QVERIFY(m_platform->messages.isEmpty());
    // The other card's window starts empty.
    delete m_window;
    openOn(2);
    QVERIFY(field("txtCIN")->text().isEmpty());
    QVERIFY(field("txtIdAppartamento")->text().isEmpty());
}

void TestCodesWindow::typedCinIsUpperCasedAndSaved()
{
    openOn(1);
    KeyInput::typeText(field("txtCIN"), QStringLiteral("it054039c2abcd1234"));
    QCOMPARE(field("txtCIN")->text(), QStringLiteral("IT054039C2ABCD1234"));
    // Enter moves on and never saves.
    KeyInput::pressKey(field("txtCIN"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), field("txtCodiceRegionale"));
    KeyInput::typeText(field("txtCodiceRegionale"), QString::fromUtf8("Città-7 "));
    KeyInput::pressKey(field("txtCodiceRegionale"), Qt::Key_Return);
    KeyInput::typeText(field("txtIdAppartamento"), QStringLiteral("a1"));
    KeyInput::pressKey(field("txtIdAppartamento"), Qt::Key_Return);
    QVERIFY(!QFile::exists(codesFile()));
    QVERIFY(m_window->isVisible());

    click("btnSalva");
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("I codici dell'immobile sono stati salvati."));
    QCOMPARE(m_window->result(), int(QDialog::Accepted));
    QVERIFY(!m_window->isVisible());
    const std::optional<PropertyCodes::Stored> stored = PropertyCodes::load(m_platform->folder(), 1, kRossi);
    QVERIFY(stored);
    QCOMPARE(stored->link, PropertyCodes::Link::Valid);
    QCOMPARE(stored->codes, (PropertyCodes::Codes{QStringLiteral("IT054039C2ABCD1234"), QString::fromUtf8("Città-7"),
                                                  QStringLiteral("a1")}));
}

void TestCodesWindow::wrongCinIsRefused_data()
{
    QTest::addColumn<QString>("cin");
    QTest::newRow("wrong prefix") << "FR054039C2ABCD1234";
    QTest::newRow("prefix alone") << "IT";
    QTest::newRow("symbol") << "IT054039/C2";
    QTest::newRow("blank inside") << "IT 054039";
}

void TestCodesWindow::wrongCinIsRefused()
{
    QFETCH(QString, cin);
    QVERIFY(PropertyCodes::save(m_platform->folder(), 1, kRossi, {QStringLiteral("IT1"), {}, {}}));
    const QByteArray before = TestFiles::read(codesFile());
    openOn(1);
    field("txtCIN")->setText(cin);
    field("txtIdAppartamento")->setText(QStringLiteral("77"));
    field("txtIdAppartamento")->setFocus();
    click("btnSalva");
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text, kInvalidCin);
    QCOMPARE(QApplication::focusWidget(), field("txtCIN"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(TestFiles::read(codesFile()), before);
}

void TestCodesWindow::codesOfAnOverwrittenCardAreNotShown()
{
    // Saved for the landlord the first card held before ROSSI's card was
    // written over it.
    QVERIFY(PropertyCodes::save(m_platform->folder(), 1, kVerdi,
                                {QStringLiteral("IT999"), QStringLiteral("VECCHIO"), QStringLiteral("9")}));
    openOn(1);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QCOMPARE(m_platform->lastMessage().text,
             QString::fromUtf8("I codici registrati in precedenza per questa scheda appartenevano a un altro "
                               "Locatore (VERDI LUIGI), la cui scheda è stata sostituita: non vengono mostrati."
                               "\n\r\n\rIndicare i codici dell'immobile del Locatore attuale."));
    QVERIFY(field("txtCIN")->text().isEmpty());
    QVERIFY(field("txtCodiceRegionale")->text().isEmpty());
    QVERIFY(field("txtIdAppartamento")->text().isEmpty());

    field("txtCIN")->setText(QStringLiteral("IT123"));
    click("btnSalva");
    QCOMPARE(PropertyCodes::load(m_platform->folder(), 1, kRossi)->codes,
             (PropertyCodes::Codes{QStringLiteral("IT123"), {}, {}}));
}

void TestCodesWindow::annullaSavesNothing()
{
    openOn(1);
    field("txtCIN")->setText(QStringLiteral("IT123"));
    click("btnAnnulla");
    QCOMPARE(m_window->result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(codesFile()));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestCodesWindow::cardNoLongerThereGivesTheAccessMessage()
{
    m_window = new TfrmCodiciImmobile(3, nullptr);
    QVERIFY(!m_window->load());
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Error);
    QVERIFY(m_platform->lastMessage().text.startsWith(
        QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
    QVERIFY(!QFile::exists(codesFile()));
}

QTEST_MAIN(TestCodesWindow)
#include "tst_codeswindow.moc"
