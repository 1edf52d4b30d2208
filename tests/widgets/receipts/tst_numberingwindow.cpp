#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "engine/settings/IniFile.h"
#include "widgets/receipts/TfrmNumerazione.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using CardTestTools::control;

namespace {

const QString SettingsName = QStringLiteral("Ricevute_Generiche.ini");
const QString Section = QStringLiteral("Numerazione Ricevute");
const QString Key = QStringLiteral("Inizio");

// A settings file as the receipt window leaves it: the payee's lines in
// their own section, which the numbering window must leave alone.
QByteArray settingsWithStart(const QByteArray &start)
{
    return "[Ricevente]\r\nRigo 1=Mario Rossi\r\nRigo 2=Via Roma 1\r\n"
           "[Numerazione Ricevute]\r\nInizio="
           + start + "\r\n";
}

// How "Applica e chiudi" is reached.
enum class Trigger { ProgramClick, Mouse, Keyboard };

} // namespace

Q_DECLARE_METATYPE(Trigger)

class TestNumberingWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAndControls();
    void centredOnOwner();
    void showsStoredStart_data();
    void showsStoredStart();
    void applyWritesStart_data();
    void applyWritesStart();
    void applyKeepsTheRestOfTheFile();
    void nothingWritten_data();
    void nothingWritten();
    void enterMovesToApplyAfterTheRule();
    void leavingTheFieldAppliesTheRule_data();
    void leavingTheFieldAppliesTheRule();
    void highlightFollowsTheFocus();
    void onlyDigitsAreTyped();

private:
    // Shows a window with that caller tag over the owner and waits until it
    // has the focus.
    TfrmNumerazione *openWindow(const QString &tag = QStringLiteral("ricevute"));
    void writeSettings(const QByteArray &contents);
    QByteArray settingsBytes() const;
    QLineEdit *field() { return control<QLineEdit>(m_window.get(), QStringLiteral("txtInizio")); }
    QPushButton *button(const char *name)
    {
        return control<QPushButton>(m_window.get(), QString::fromLatin1(name));
    }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<TfrmNumerazione> m_window;
};

void TestNumberingWindow::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_owner = std::make_unique<QWidget>();
    m_owner->setGeometry(100, 80, 900, 700);
}

void TestNumberingWindow::cleanup()
{
    m_window.reset();
    m_owner.reset();
    m_platform.reset();
}

TfrmNumerazione *TestNumberingWindow::openWindow(const QString &tag)
{
    m_window = std::make_unique<TfrmNumerazione>(m_owner.get());
    m_window->setCallerTag(tag);
    m_window->setWindowTitle(QStringLiteral(" Impostazione inizio numerazione ricevute"));
    if (!CardTestTools::showAndActivate(m_window.get()))
        QTest::qFail("the numbering window did not become active", __FILE__, __LINE__);
    return m_window.get();
}

void TestNumberingWindow::writeSettings(const QByteArray &contents)
{
    QFile file(m_platform->filePath(SettingsName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

QByteArray TestNumberingWindow::settingsBytes() const
{
    QFile file(m_platform->filePath(SettingsName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestNumberingWindow::windowAndControls()
{
    TfrmNumerazione window(nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("frmNumerazione"));
    QVERIFY(window.windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMinMaxButtonsHint));
    window.show();
    QCOMPARE(window.minimumSize(), window.maximumSize());

    QCOMPARE(control<QGroupBox>(&window, QStringLiteral("grpNumerazione"))->title(),
             QStringLiteral(" Inizia numerazione da: "));
    auto *start = control<QLineEdit>(&window, QStringLiteral("txtInizio"));
    QCOMPARE(start->maxLength(), 5);
    QCOMPARE(start->parentWidget()->objectName(), QStringLiteral("grpNumerazione"));
    QCOMPARE(control<QPushButton>(&window, QStringLiteral("btnApplica"))->text(), QStringLiteral("Applica e chiudi"));
    QCOMPARE(control<QPushButton>(&window, QStringLiteral("btnAnnulla"))->text(), QStringLiteral("Annulla"));
    QVERIFY(control(&window, QStringLiteral("lblMemory"))->isHidden());

    // The instruction: the first sentence in the text's colour, the
    // warning in red after it.
    const QString instruction = control<QLabel>(&window, QStringLiteral("imgLogo"))->text();
    const QString first = QStringLiteral(
        "Utilizzare la presente funzione se si vuole far partire la numerazione automatica delle "
        "ricevute da un numero superiore a 1.");
    const QString warning = QStringLiteral(
        "Attenzione: per sfruttare la numerazione automatica bisogna premere il pulsante Nuovo "
        "prima di compilare il documento.");
    const qsizetype firstAt = instruction.indexOf(first);
    const qsizetype warningAt = instruction.indexOf(warning);
    QVERIFY2(firstAt >= 0, qPrintable(instruction));
    QVERIFY2(warningAt > firstAt, qPrintable(instruction));
    const qsizetype redAt = instruction.indexOf(QStringLiteral("color:#c00000"));
    QVERIFY(redAt > firstAt + first.size() && redAt < warningAt);
}

void TestNumberingWindow::centredOnOwner()
{
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_owner.get()));
    openWindow();
    const QPoint offset = m_window->frameGeometry().center() - m_owner->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void TestNumberingWindow::showsStoredStart_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("shown");

    QTest::newRow("stored number") << "ricevute" << true << settingsWithStart("50") << "50";
    QTest::newRow("stored zero") << "ricevute" << true << settingsWithStart("0") << "0";
    QTest::newRow("stored empty") << "ricevute" << true << settingsWithStart("") << "1";
    QTest::newRow("stored blanks") << "ricevute" << true << settingsWithStart("   ") << "1";
    QTest::newRow("key absent") << "ricevute" << true << QByteArray("[Numerazione Ricevute]\r\nAltro=9\r\n") << "1";
    QTest::newRow("section absent") << "ricevute" << true << QByteArray("[Ricevente]\r\nInizio=9\r\n") << "1";
    QTest::newRow("no settings file") << "ricevute" << false << QByteArray() << "1";
    // Only the user's typing is limited to five characters.
    QTest::newRow("longer than the field") << "ricevute" << true << settingsWithStart("1234567") << "1234567";
    QTest::newRow("other caller tag") << "contratti" << true << settingsWithStart("50") << "1";
    QTest::newRow("tag in capitals") << "RICEVUTE" << true << settingsWithStart("50") << "1";
}

void TestNumberingWindow::showsStoredStart()
{
    QFETCH(QString, tag);
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, contents);
    QFETCH(QString, shown);
    if (fileExists)
        writeSettings(contents);

    openWindow(tag);

    QCOMPARE(field()->text(), shown);
    QTRY_COMPARE(QApplication::focusWidget(), field());
}

void TestNumberingWindow::applyWritesStart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<QString>("stored");

    const struct
    {
        const char *name;
        Trigger trigger;
    } triggers[] = {
        {"program click", Trigger::ProgramClick},
        {"mouse", Trigger::Mouse},
        {"Enter, then Enter on the button", Trigger::Keyboard},
    };
    for (const auto &how : triggers) {
        QTest::addRow("number, %s", how.name) << "50" << how.trigger << "50";
        QTest::addRow("leading zeros, %s", how.name) << "007" << how.trigger << "7";
        QTest::addRow("emptied, %s", how.name) << "" << how.trigger << "1";
        QTest::addRow("zero, %s", how.name) << "0" << how.trigger << "0";
        QTest::addRow("five digits, %s", how.name) << "12345" << how.trigger << "12345";
    }
}

void TestNumberingWindow::applyWritesStart()
{
    QFETCH(QString, typed);
    QFETCH(Trigger, trigger);
    QFETCH(QString, stored);
    writeSettings(settingsWithStart("3"));
    openWindow();
    QTRY_COMPARE(QApplication::focusWidget(), field());

    // The number shown is selected: the first key typed replaces it.
    if (typed.isEmpty())
        KeyInput::pressKey(field(), Qt::Key_Backspace);
    else
        KeyInput::typeText(field(), typed);
    QCOMPARE(field()->text(), typed);

    switch (trigger) {
    case Trigger::ProgramClick:
        button("btnApplica")->click();
        break;
    case Trigger::Mouse:
        QTest::mouseClick(button("btnApplica"), Qt::LeftButton);
        break;
    case Trigger::Keyboard:
        KeyInput::pressKey(field(), Qt::Key_Return, QStringLiteral("\r"));
        QTRY_COMPARE(QApplication::focusWidget(), button("btnApplica"));
        QTest::keyClick(button("btnApplica"), Qt::Key_Return);
        break;
    }

    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Accepted));
    QCOMPARE(IniFile(m_platform->filePath(SettingsName)).readString(Section, Key, QStringLiteral("absent")), stored);
}

void TestNumberingWindow::applyKeepsTheRestOfTheFile()
{
    writeSettings(settingsWithStart("3"));
    openWindow();
    QTRY_COMPARE(QApplication::focusWidget(), field());
    KeyInput::typeText(field(), QStringLiteral("42"));

    button("btnApplica")->click();

    QCOMPARE(settingsBytes(), settingsWithStart("42"));
}

void TestNumberingWindow::nothingWritten_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("buttonName");

    QTest::newRow("Annulla, file present") << "ricevute" << true << QByteArray("btnAnnulla");
    QTest::newRow("Annulla, no file") << "ricevute" << false << QByteArray("btnAnnulla");
    QTest::newRow("Applica, other caller tag") << "contratti" << true << QByteArray("btnApplica");
    QTest::newRow("Applica, other caller tag, no file") << "contratti" << false << QByteArray("btnApplica");
}

void TestNumberingWindow::nothingWritten()
{
    QFETCH(QString, tag);
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, buttonName);
    // Not in the program's own form: a rewrite would show.
    const QByteArray before = "; hand-written\n[numerazione ricevute]\ninizio = 8 \n[Ricevente]\nRigo 1=x\n";
    if (fileExists)
        writeSettings(before);
    openWindow(tag);
    QTRY_COMPARE(QApplication::focusWidget(), field());

    KeyInput::typeText(field(), QStringLiteral("0077"));
    QTest::mouseClick(button(buttonName.constData()), Qt::LeftButton);

    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(QFile::exists(m_platform->filePath(SettingsName)), fileExists);
    QCOMPARE(settingsBytes(), fileExists ? before : QByteArray());
}

void TestNumberingWindow::enterMovesToApplyAfterTheRule()
{
    openWindow();
    QTRY_COMPARE(QApplication::focusWidget(), field());
    KeyInput::typeText(field(), QStringLiteral("007"));

    KeyInput::pressKey(field(), Qt::Key_Return, QStringLiteral("\r"));

    QTRY_COMPARE(QApplication::focusWidget(), button("btnApplica"));
    QCOMPARE(field()->text(), QStringLiteral("7"));
    // Enter in the field never presses a button by itself.
    QVERIFY(m_window->isVisible());
    QVERIFY(!QFile::exists(m_platform->filePath(SettingsName)));
}

void TestNumberingWindow::leavingTheFieldAppliesTheRule_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("left");

    // Pasting is not filtered by the keys; leaving the field is.
    QTest::newRow("leading zeros") << "00012" << "12";
    QTest::newRow("decimal half") << "2,5" << "3";
    QTest::newRow("decimal below half") << "2,4" << "2";
    QTest::newRow("blank") << " " << "1";
    QTest::newRow("not a number") << "abc" << "1";
}

void TestNumberingWindow::leavingTheFieldAppliesTheRule()
{
    QFETCH(QString, pasted);
    QFETCH(QString, left);
    openWindow();
    QTRY_COMPARE(QApplication::focusWidget(), field());
    field()->setText(pasted);

    QTest::keyClick(field(), Qt::Key_Tab);

    QTRY_VERIFY(!field()->hasFocus());
    QCOMPARE(field()->text(), left);
    QVERIFY(m_window->isVisible());
}

void TestNumberingWindow::highlightFollowsTheFocus()
{
    openWindow();
    auto *highlight = control(m_window.get(), QStringLiteral("effInizio"));
    QTRY_COMPARE(QApplication::focusWidget(), field());
    QVERIFY(highlight->isVisible());
    // Behind the field, 4 pixels larger on every side.
    QCOMPARE(highlight->geometry(), field()->geometry().adjusted(-4, -4, 4, 4));

    button("btnAnnulla")->setFocus();
    QTRY_VERIFY(!field()->hasFocus());
    QVERIFY(!highlight->isVisible());

    field()->setFocus();
    QTRY_VERIFY(field()->hasFocus());
    QVERIFY(highlight->isVisible());
}

void TestNumberingWindow::onlyDigitsAreTyped()
{
    openWindow();
    QTRY_COMPARE(QApplication::focusWidget(), field());
    KeyInput::pressKey(field(), Qt::Key_Backspace);

    KeyInput::typeText(field(), QStringLiteral("a1-b 2,x"));
    QCOMPARE(field()->text(), QStringLiteral("12"));
    KeyInput::pressKey(field(), Qt::Key_Home);
    KeyInput::pressKey(field(), Qt::Key_Up);
    KeyInput::typeText(field(), QStringLiteral("3"));
    // Home was discarded: the digit went on at the end.
    QCOMPARE(field()->text(), QStringLiteral("123"));

    KeyInput::pressKey(field(), Qt::Key_Left);
    KeyInput::pressKey(field(), Qt::Key_Backspace);
    QCOMPARE(field()->text(), QStringLiteral("13"));
    KeyInput::pressKey(field(), Qt::Key_Delete);
    QCOMPARE(field()->text(), QStringLiteral("1"));
    KeyInput::pressKey(field(), Qt::Key_Right);
    KeyInput::typeText(field(), QStringLiteral("23456"));
    // Five characters at most.
    QCOMPARE(field()->text(), QStringLiteral("12345"));
}

QTEST_MAIN(TestNumberingWindow)
#include "tst_numberingwindow.moc"
