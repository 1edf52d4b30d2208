#include "TestChild.h"
#include "FileSizeLimit.h"
#include "engine/password/PasswordScrambler.h"
#include "engine/password/PasswordStore.h"
#include "widgets/app/TfrmCambiaPassword.h"
#include "widgets/app/TfrmPassword.h"
#include "engine/settings/IniFile.h"

#include "FakePlatform.h"
#include "KeyInput.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");
const QString kWrongOldPassword = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. "
    "E' necessario reinserire entrambi i valori.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");


// Records, when a window hides, whether another window was visible by then:
// switching windows must never leave the screen without one.
class HideProbe : public QObject
{
public:
    HideProbe(QWidget *watched, QWidget *other)
        : m_other(other)
    {
        watched->installEventFilter(this);
    }

    bool hidden = false;
    bool otherVisibleAtHide = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !hidden) {
            hidden = true;
            otherVisibleAtHide = m_other->isVisible();
        }
        return false;
    }

private:
    QWidget *m_other;
};

} // namespace

class TestPasswordWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Sign-in window.
    void signInWindowIsBuiltAsDesigned();
    void signInFocusAndHighlight();
    void signInOkNeedsNonBlankText_data();
    void signInOkNeedsNonBlankText();
    void rightPasswordOpensHome_data();
    void rightPasswordOpensHome();
    void wrongPasswordIsRefused_data();
    void wrongPasswordIsRefused();
    void enterWithBlankTextDoesNothing();
    void unreadablePasswordLeavesWindowAsItWas_data();
    void unreadablePasswordLeavesWindowAsItWas();
    void esciEndsTheProgram();

    // Change-password window.
    void changeWindowIsBuiltAsDesigned();
    void changeWindowOpensEmptyWithFocusOnOld();
    void changeOkNeedsThreeNonBlankFields_data();
    void changeOkNeedsThreeNonBlankFields();
    void enterCyclesFieldsAndNeverPressesOk();
    void changeHighlightsFollowFocus();
    void wrongOldPasswordIsRefused_data();
    void wrongOldPasswordIsRefused();
    void confirmationMustMatchExactly_data();
    void confirmationMustMatchExactly();
    void charactersBeyond255AreRefused();
    void readErrorDuringChange_data();
    void readErrorDuringChange();
    void writeErrorDuringChange();
    void successfulChangeReturnsToSignIn();
    void chiudiReturnsToSignInWithoutWriting();
    void newPasswordWorksAtSignIn_data();
    void newPasswordWorksAtSignIn();

private:
    template<typename T>
    static T *control(QWidget *window, const char *name,
                      std::source_location where = std::source_location::current())
    {
        return TestTools::child<T>(window, QLatin1String(name), where);
    }
    QLineEdit *field(QWidget *window, const char *name,
                     std::source_location where = std::source_location::current())
    {
        return control<QLineEdit>(window, name, where);
    }
    QPushButton *button(QWidget *window, const char *name,
                        std::source_location where = std::source_location::current())
    {
        return control<QPushButton>(window, name, where);
    }

    QString passwordFile() const { return m_platform->filePath(QStringLiteral("unins000.dll")); }
    void writePasswordFile(const QByteArray &bytes);
    void spoilPasswordFile(const QByteArray &contents);
    QByteArray passwordFileBytes() const;
    void storePassword(const QString &password);
    // Shows the sign-in window as the active window, focus in its field.
    void showSignIn();
    // Opens the change window from the sign-in window and activates it.
    void openChangeWindow();
    void fillChangeWindow(const QString &oldPassword, const QString &newPassword,
                          const QString &confirmation);
    void clickWithFocus(QPushButton *target);
    void changePasswordThroughWindow(const QString &oldPassword, const QString &newPassword);

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QWidget> m_home;
    std::unique_ptr<TfrmCambiaPassword> m_change;
    std::unique_ptr<TfrmPassword> m_signIn;
};

void TestPasswordWindows::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_home = std::make_unique<QWidget>();
    m_home->setObjectName(QStringLiteral("frmAvvio"));
    m_signIn = std::make_unique<TfrmPassword>();
    m_change = std::make_unique<TfrmCambiaPassword>();
    m_signIn->setHomeWindow(m_home.get());
    m_signIn->setChangePasswordWindow(m_change.get());
    m_change->setSignInWindow(m_signIn.get());
    storePassword(QStringLiteral("BENVENUTOPOSTA"));
}

void TestPasswordWindows::cleanup()
{
    m_change.reset();
    m_signIn.reset();
    m_home.reset();
    m_platform.reset();
}

void TestPasswordWindows::writePasswordFile(const QByteArray &bytes)
{
    QFile file(passwordFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestPasswordWindows::passwordFileBytes() const
{
    QFile file(passwordFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestPasswordWindows::storePassword(const QString &password)
{
    writePasswordFile("[Accesso]\r\nValore=" + PasswordScrambler::encode(password).toLatin1() + "\r\n");
}

void TestPasswordWindows::showSignIn()
{
    m_signIn->show();
    QApplication::setActiveWindow(m_signIn.get());
    QTRY_VERIFY(field(m_signIn.get(), "txtPassword")->hasFocus());
}

void TestPasswordWindows::openChangeWindow()
{
    showSignIn();
    HideProbe probe(m_signIn.get(), m_change.get());
    clickWithFocus(button(m_signIn.get(), "btnCambiaPassword"));
    QVERIFY(m_change->isVisible());
    QVERIFY(!m_signIn->isVisible());
    QVERIFY(probe.otherVisibleAtHide);
    QApplication::setActiveWindow(m_change.get());
    QTRY_VERIFY(field(m_change.get(), "txtPasswordOld")->hasFocus());
}

void TestPasswordWindows::fillChangeWindow(const QString &oldPassword, const QString &newPassword,
                                           const QString &confirmation)
{
    KeyInput::typeText(field(m_change.get(), "txtPasswordOld"), oldPassword);
    KeyInput::typeText(field(m_change.get(), "txtPasswordNew"), newPassword);
    KeyInput::typeText(field(m_change.get(), "txtConferma"), confirmation);
}

// A mouse click gives the button the focus, as it does for the user; focus
// checks afterwards therefore prove that the window moved it on purpose.
void TestPasswordWindows::clickWithFocus(QPushButton *target)
{
    QVERIFY(target);
    target->setFocus();
    QTest::mouseClick(target, Qt::LeftButton);
}

void TestPasswordWindows::changePasswordThroughWindow(const QString &oldPassword,
                                                      const QString &newPassword)
{
    openChangeWindow();
    fillChangeWindow(oldPassword, newPassword, newPassword);
    clickWithFocus(button(m_change.get(), "cmdOK"));
    QCOMPARE(m_platform->lastMessage().text, kChanged);
    m_platform->clear();
}

// --- Sign-in window --------------------------------------------------------

void TestPasswordWindows::signInWindowIsBuiltAsDesigned()
{
    QCOMPARE(m_signIn->objectName(), QStringLiteral("frmPassword"));
    QCOMPARE(m_signIn->windowTitle(), QStringLiteral(" Vacanzio - Accesso"));
    QVERIFY(m_signIn->isWindow());
    QVERIFY(m_signIn->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(m_signIn->windowFlags().testFlag(Qt::WindowTitleHint));
    QVERIFY(!m_signIn->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!m_signIn->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!m_signIn->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    m_signIn->show();
    QCOMPARE(m_signIn->minimumSize(), m_signIn->maximumSize());

    auto *logo = control<QLabel>(m_signIn.get(), "imgLogo");
    QVERIFY(logo);
    QVERIFY(!logo->pixmap().isNull());
    QCOMPARE(control<QLabel>(m_signIn.get(), "lblRigo05")->text(),
             QStringLiteral("Immetti la password e premi OK."));
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    QVERIFY(password);
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QCOMPARE(password->maxLength(), 255);
    QCOMPARE(button(m_signIn.get(), "cmdOK")->text(), QStringLiteral("OK"));
    QVERIFY(!button(m_signIn.get(), "cmdOK")->isEnabled());
    QCOMPARE(button(m_signIn.get(), "cmdEsci")->text(), QStringLiteral("Esci"));
    QCOMPARE(button(m_signIn.get(), "btnCambiaPassword")->text(), QStringLiteral("Cambia password"));
    QVERIFY(control<QFrame>(m_signIn.get(), "effPassword"));
}

void TestPasswordWindows::signInFocusAndHighlight()
{
    auto *highlight = control<QFrame>(m_signIn.get(), "effPassword");
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    QVERIFY(!highlight->isVisible());

    showSignIn();
    QTRY_VERIFY(highlight->isVisible());
    QCOMPARE(highlight->geometry(), password->geometry().adjusted(-4, -4, 4, 4));
    // Behind the field: earlier among the siblings in stacking order.
    const QObjectList siblings = m_signIn->children();
    QVERIFY(siblings.indexOf(highlight) < siblings.indexOf(password));

    button(m_signIn.get(), "cmdEsci")->setFocus();
    QTRY_VERIFY(!highlight->isVisible());
    password->setFocus();
    QTRY_VERIFY(highlight->isVisible());
}

void TestPasswordWindows::signInOkNeedsNonBlankText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("nothing") << QString() << false;
    QTest::newRow("blanks") << QStringLiteral("   ") << false;
    QTest::newRow("one letter") << QStringLiteral("a") << true;
    QTest::newRow("letter among blanks") << QStringLiteral("  a ") << true;
}

void TestPasswordWindows::signInOkNeedsNonBlankText()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    showSignIn();
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    KeyInput::typeText(password, typed);
    QCOMPARE(password->text(), typed);
    QCOMPARE(button(m_signIn.get(), "cmdOK")->isEnabled(), enabled);
    KeyInput::typeText(password, QStringLiteral("x"));
    QVERIFY(button(m_signIn.get(), "cmdOK")->isEnabled());
    password->clear();
    QVERIFY(!button(m_signIn.get(), "cmdOK")->isEnabled());
}

void TestPasswordWindows::rightPasswordOpensHome_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressEnter");
    QTest::newRow("small letters, OK")
        << QStringLiteral("BENVENUTOPOSTA") << QStringLiteral("benvenutoposta") << false;
    QTest::newRow("capitals, Enter")
        << QStringLiteral("BENVENUTOPOSTA") << QStringLiteral("BENVENUTOPOSTA") << true;
    QTest::newRow("mixed with blanks, OK")
        << QStringLiteral("BENVENUTOPOSTA") << QStringLiteral("  BenVenutoPosta  ") << false;
    QTest::newRow("accented letter as typed, Enter")
        << QStringLiteral("PERCHÈ") << QStringLiteral("perchÈ") << true;
}

void TestPasswordWindows::rightPasswordOpensHome()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, pressEnter);
    storePassword(stored);
    showSignIn();
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    KeyInput::typeText(password, typed);
    HideProbe probe(m_signIn.get(), m_home.get());
    if (pressEnter)
        KeyInput::pressKey(password, Qt::Key_Return);
    else
        clickWithFocus(button(m_signIn.get(), "cmdOK"));

    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_home->isVisible());
    QVERIFY(!m_signIn->isVisible());
    // The home window was already up when the sign-in window went away.
    QVERIFY(probe.hidden);
    QVERIFY(probe.otherVisibleAtHide);
    QVERIFY(!m_change->isVisible());
}

void TestPasswordWindows::wrongPasswordIsRefused_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::newRow("other word") << QStringLiteral("BENVENUTOPOSTA") << QStringLiteral("benvenuto");
    // Only a to z change case: è is not È.
    QTest::newRow("accent in other case") << QStringLiteral("PERCHÈ") << QStringLiteral("perchè");
    QTest::newRow("missing file") << QString() << QStringLiteral("benvenutoposta");
}

void TestPasswordWindows::wrongPasswordIsRefused()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    if (stored.isNull())
        QVERIFY(QFile::remove(passwordFile()));
    else
        storePassword(stored);
    showSignIn();
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    KeyInput::typeText(password, typed);
    clickWithFocus(button(m_signIn.get(), "cmdOK"));

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.constFirst().kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.constFirst().text, kWrongPassword);
    QVERIFY(password->text().isEmpty());
    QTRY_VERIFY(password->hasFocus());
    QVERIFY(!button(m_signIn.get(), "cmdOK")->isEnabled());
    QVERIFY(m_signIn->isVisible());
    QVERIFY(!m_home->isVisible());
    if (stored.isNull())
        QVERIFY(!QFile::exists(passwordFile()));
}

void TestPasswordWindows::enterWithBlankTextDoesNothing()
{
    QVERIFY(QFile::remove(passwordFile()));
    showSignIn();
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    KeyInput::typeText(password, QStringLiteral("   "));
    KeyInput::pressKey(password, Qt::Key_Return);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(password->text(), QStringLiteral("   "));
    QVERIFY(m_signIn->isVisible());
    QVERIFY(!m_home->isVisible());
}

// Writes the password file with the given contents, or, for empty contents,
// puts a folder where the file should be: there, but unreadable.
void TestPasswordWindows::spoilPasswordFile(const QByteArray &contents)
{
    if (contents.isEmpty()) {
        QVERIFY(QFile::remove(passwordFile()));
        QVERIFY(QDir().mkpath(passwordFile()));
    } else {
        writePasswordFile(contents);
    }
}

void TestPasswordWindows::unreadablePasswordLeavesWindowAsItWas_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=97740BG56B\r\n");
    QTest::newRow("blank inside") << QByteArray("[Accesso]\r\nValore=9774 0B\r\n");
    // An empty marker: the password file is a folder, there but unreadable.
    QTest::newRow("not a file") << QByteArray();
}

void TestPasswordWindows::unreadablePasswordLeavesWindowAsItWas()
{
    QFETCH(QByteArray, contents);
    spoilPasswordFile(contents);
    showSignIn();
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    KeyInput::typeText(password, QStringLiteral("benvenutoposta"));
    KeyInput::pressKey(password, Qt::Key_Return);

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.constFirst().kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.constFirst().text, kReadError);
    QCOMPARE(password->text(), QStringLiteral("benvenutoposta"));
    QVERIFY(button(m_signIn.get(), "cmdOK")->isEnabled());
    QVERIFY(m_signIn->isVisible());
    QVERIFY(!m_home->isVisible());
}

void TestPasswordWindows::esciEndsTheProgram()
{
    showSignIn();
    // Another visible window keeps "last window closed" from ending the
    // run: only the button's own request to quit can end the loop.
    m_home->show();
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QTimer::singleShot(0, button(m_signIn.get(), "cmdEsci"), &QPushButton::click);
    QCOMPARE(QCoreApplication::exec(), 0);
    guard.stop();
    QVERIFY(!m_signIn->isVisible());
}

// --- Change-password window ------------------------------------------------

void TestPasswordWindows::changeWindowIsBuiltAsDesigned()
{
    QCOMPARE(m_change->objectName(), QStringLiteral("frmCambiaPassword"));
    QCOMPARE(m_change->windowTitle(), QStringLiteral(" Cambia password"));
    QVERIFY(m_change->isWindow());
    QVERIFY(m_change->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!m_change->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    m_change->show();
    QCOMPARE(m_change->minimumSize(), m_change->maximumSize());

    QVERIFY(!control<QLabel>(m_change.get(), "imgLogo")->pixmap().isNull());
    QCOMPARE(control<QLabel>(m_change.get(), "lblRigo05")->text(), QStringLiteral("Vecchia password:"));
    QCOMPARE(control<QLabel>(m_change.get(), "lblRigo06")->text(), QStringLiteral("Nuova password:"));
    QCOMPARE(control<QLabel>(m_change.get(), "lblRigo07")->text(),
             QStringLiteral("Conferma nuova password:"));
    for (const char *name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"}) {
        QLineEdit *edit = field(m_change.get(), name);
        QVERIFY2(edit, name);
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->maxLength(), 255);
    }
    for (const char *name : {"effPasswordOld", "effPasswordNew", "effConferma"})
        QVERIFY2(control<QFrame>(m_change.get(), name), name);
    QCOMPARE(button(m_change.get(), "cmdOK")->text(), QStringLiteral("OK"));
    QVERIFY(!button(m_change.get(), "cmdOK")->isEnabled());
    QCOMPARE(button(m_change.get(), "cmdEsci")->text(), QStringLiteral("Chiudi"));
}

void TestPasswordWindows::changeWindowOpensEmptyWithFocusOnOld()
{
    // Left over from an earlier use: opening the window starts afresh.
    field(m_change.get(), "txtPasswordOld")->setText(QStringLiteral("a"));
    field(m_change.get(), "txtPasswordNew")->setText(QStringLiteral("b"));
    field(m_change.get(), "txtConferma")->setText(QStringLiteral("c"));
    openChangeWindow();
    for (const char *name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
        QVERIFY2(field(m_change.get(), name)->text().isEmpty(), name);
    QVERIFY(!button(m_change.get(), "cmdOK")->isEnabled());
    QVERIFY(field(m_change.get(), "txtPasswordOld")->hasFocus());
}

void TestPasswordWindows::changeOkNeedsThreeNonBlankFields_data()
{
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("all filled") << "a" << "b" << "c" << true;
    QTest::newRow("old blank") << " " << "b" << "c" << false;
    QTest::newRow("new missing") << "a" << "" << "c" << false;
    QTest::newRow("confirmation blank") << "a" << "b" << "  " << false;
    QTest::newRow("blanks around") << " a " << " b" << "c " << true;
}

void TestPasswordWindows::changeOkNeedsThreeNonBlankFields()
{
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(bool, enabled);
    openChangeWindow();
    fillChangeWindow(oldPassword, newPassword, confirmation);
    QCOMPARE(button(m_change.get(), "cmdOK")->isEnabled(), enabled);
}

void TestPasswordWindows::enterCyclesFieldsAndNeverPressesOk()
{
    openChangeWindow();
    QLineEdit *oldField = field(m_change.get(), "txtPasswordOld");
    QLineEdit *newField = field(m_change.get(), "txtPasswordNew");
    QLineEdit *confirmField = field(m_change.get(), "txtConferma");
    // A complete, valid change: Enter must still not carry it out.
    fillChangeWindow(QStringLiteral("benvenutoposta"), QStringLiteral("mare"), QStringLiteral("mare"));
    QVERIFY(button(m_change.get(), "cmdOK")->isEnabled());
    const QByteArray before = passwordFileBytes();

    const QList<QLineEdit *> expected{newField, confirmField, oldField, newField};
    for (QLineEdit *next : expected) {
        KeyInput::pressKey(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }
    KeyInput::pressKey(newField, Qt::Key_Enter);
    QTRY_COMPARE(QApplication::focusWidget(), confirmField);

    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(passwordFileBytes(), before);
    QVERIFY(m_change->isVisible());
    QCOMPARE(oldField->text(), QStringLiteral("benvenutoposta"));
}

void TestPasswordWindows::changeHighlightsFollowFocus()
{
    openChangeWindow();
    const QList<QPair<const char *, const char *>> pairs{{"txtPasswordOld", "effPasswordOld"},
                                                         {"txtPasswordNew", "effPasswordNew"},
                                                         {"txtConferma", "effConferma"}};
    for (const auto &[fieldName, frameName] : pairs) {
        field(m_change.get(), fieldName)->setFocus();
        for (const auto &[otherField, otherFrame] : pairs) {
            auto *frame = control<QFrame>(m_change.get(), otherFrame);
            QTRY_COMPARE(frame->isVisible(), otherField == fieldName);
            QCOMPARE(frame->geometry(),
                     field(m_change.get(), otherField)->geometry().adjusted(-4, -4, 4, 4));
        }
    }
    button(m_change.get(), "cmdEsci")->setFocus();
    for (const auto &pair : pairs)
        QTRY_VERIFY(!control<QFrame>(m_change.get(), pair.second)->isVisible());
}

void TestPasswordWindows::wrongOldPasswordIsRefused_data()
{
    QTest::addColumn<bool>("fileMissing");
    QTest::newRow("other password") << false;
    QTest::newRow("missing file") << true;
}

void TestPasswordWindows::wrongOldPasswordIsRefused()
{
    QFETCH(bool, fileMissing);
    if (fileMissing)
        QVERIFY(QFile::remove(passwordFile()));
    const QByteArray before = passwordFileBytes();
    openChangeWindow();
    fillChangeWindow(QStringLiteral("benvenuto"), QStringLiteral("mare"), QStringLiteral("mare"));
    clickWithFocus(button(m_change.get(), "cmdOK"));

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.constFirst().kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.constFirst().text, kWrongOldPassword);
    QVERIFY(field(m_change.get(), "txtPasswordOld")->text().isEmpty());
    QTRY_VERIFY(field(m_change.get(), "txtPasswordOld")->hasFocus());
    QCOMPARE(field(m_change.get(), "txtPasswordNew")->text(), QStringLiteral("mare"));
    QCOMPARE(field(m_change.get(), "txtConferma")->text(), QStringLiteral("mare"));
    QCOMPARE(passwordFileBytes(), before);
    QVERIFY(m_change->isVisible());
    QVERIFY(!m_signIn->isVisible());
}

void TestPasswordWindows::confirmationMustMatchExactly_data()
{
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    // Both would be stored as "MARE", yet the confirmation differs.
    QTest::newRow("letter case only") << QStringLiteral("Mare") << QStringLiteral("mare");
    QTest::newRow("other word") << QStringLiteral("mare") << QStringLiteral("monti");
}

void TestPasswordWindows::confirmationMustMatchExactly()
{
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    const QByteArray before = passwordFileBytes();
    openChangeWindow();
    fillChangeWindow(QStringLiteral("BenvenutoPosta"), newPassword, confirmation);
    clickWithFocus(button(m_change.get(), "cmdOK"));

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.constFirst().kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.constFirst().text, kNotConfirmed);
    QVERIFY(field(m_change.get(), "txtPasswordNew")->text().isEmpty());
    QVERIFY(field(m_change.get(), "txtConferma")->text().isEmpty());
    QCOMPARE(field(m_change.get(), "txtPasswordOld")->text(), QStringLiteral("BenvenutoPosta"));
    QTRY_VERIFY(field(m_change.get(), "txtPasswordNew")->hasFocus());
    QCOMPARE(passwordFileBytes(), before);
    QVERIFY(m_change->isVisible());
}

void TestPasswordWindows::charactersBeyond255AreRefused()
{
    const QByteArray before = passwordFileBytes();
    openChangeWindow();
    // Ł (U+0141) would be stored as A and could never be typed back.
    const QString newPassword = QStringLiteral("Łódź");
    fillChangeWindow(QStringLiteral("benvenutoposta"), newPassword, newPassword);
    QCOMPARE(field(m_change.get(), "txtConferma")->text(), newPassword);
    clickWithFocus(button(m_change.get(), "cmdOK"));

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.constFirst().kind, MessageKind::Plain);
    QVERIFY(m_platform->messages.constFirst().text.startsWith(QStringLiteral("Attenzione:")));
    QVERIFY(field(m_change.get(), "txtPasswordNew")->text().isEmpty());
    QVERIFY(field(m_change.get(), "txtConferma")->text().isEmpty());
    QTRY_VERIFY(field(m_change.get(), "txtPasswordNew")->hasFocus());
    QCOMPARE(passwordFileBytes(), before);
    QVERIFY(m_change->isVisible());
}

void TestPasswordWindows::readErrorDuringChange_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=XX\r\n");
    // An empty marker: the password file is a folder, there but unreadable.
    QTest::newRow("not a file") << QByteArray();
}

void TestPasswordWindows::readErrorDuringChange()
{
    QFETCH(QByteArray, contents);
    spoilPasswordFile(contents);
    const QByteArray before = passwordFileBytes();
    openChangeWindow();
    fillChangeWindow(QStringLiteral("benvenutoposta"), QStringLiteral("mare"), QStringLiteral("mare"));
    clickWithFocus(button(m_change.get(), "cmdOK"));

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.constFirst().kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.constFirst().text, kChangeError);
    QCOMPARE(passwordFileBytes(), before);
    QVERIFY(m_change->isVisible());
    QVERIFY(!m_signIn->isVisible());
}

void TestPasswordWindows::writeErrorDuringChange()
{
#ifdef Q_OS_UNIX
    const QByteArray before = passwordFileBytes();
    openChangeWindow();
    fillChangeWindow(QStringLiteral("benvenutoposta"), QStringLiteral("mare"), QStringLiteral("mare"));

    // The password is read, but the new file cannot be written in full.
    {
        FileSizeLimit limit(8);
        QVERIFY(limit.isActive());
        clickWithFocus(button(m_change.get(), "cmdOK"));
    }

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.constFirst().kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.constFirst().text, kChangeError);
    QCOMPARE(passwordFileBytes(), before);
    QCOMPARE(QDir(m_platform->folder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("unins000.dll")});
    QVERIFY(m_change->isVisible());
    QVERIFY(!m_signIn->isVisible());
#else
    QSKIP("Needs a file-size limit to make the write fail");
#endif
}

void TestPasswordWindows::successfulChangeReturnsToSignIn()
{
    showSignIn();
    // Something typed before opening the change window must be gone after.
    KeyInput::typeText(field(m_signIn.get(), "txtPassword"), QStringLiteral("abc"));
    openChangeWindow();
    fillChangeWindow(QStringLiteral(" benvenutoPosta "), QStringLiteral(" Mare Blu "),
                     QStringLiteral("Mare Blu"));
    bool changeWindowOpenDuringMessage = false;
    m_platform->onMessage = [this, &changeWindowOpenDuringMessage](const FakePlatform::Message &) {
        changeWindowOpenDuringMessage = m_change->isVisible();
    };
    HideProbe probe(m_change.get(), m_signIn.get());
    clickWithFocus(button(m_change.get(), "cmdOK"));
    m_platform->onMessage = nullptr;
    QVERIFY(probe.otherVisibleAtHide);

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.constFirst().kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.constFirst().text, kChanged);
    QVERIFY(changeWindowOpenDuringMessage);
    QCOMPARE(IniFile(passwordFile()).readString(QStringLiteral("Accesso"), QStringLiteral("Valore")),
             PasswordScrambler::encode(QStringLiteral("MARE BLU")));
    QVERIFY(!m_change->isVisible());
    QVERIFY(m_signIn->isVisible());
    QVERIFY(!m_home->isVisible());
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    QVERIFY(password->text().isEmpty());
    QVERIFY(!button(m_signIn.get(), "cmdOK")->isEnabled());
    QApplication::setActiveWindow(m_signIn.get());
    QTRY_VERIFY(password->hasFocus());
}

void TestPasswordWindows::chiudiReturnsToSignInWithoutWriting()
{
    showSignIn();
    KeyInput::typeText(field(m_signIn.get(), "txtPassword"), QStringLiteral("abc"));
    const QByteArray before = passwordFileBytes();
    openChangeWindow();
    fillChangeWindow(QStringLiteral("benvenutoposta"), QStringLiteral("mare"), QStringLiteral("mare"));
    HideProbe probe(m_change.get(), m_signIn.get());
    clickWithFocus(button(m_change.get(), "cmdEsci"));
    QVERIFY(probe.otherVisibleAtHide);

    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(passwordFileBytes(), before);
    QVERIFY(!m_change->isVisible());
    QVERIFY(m_signIn->isVisible());
    QLineEdit *password = field(m_signIn.get(), "txtPassword");
    QVERIFY(password->text().isEmpty());
    QApplication::setActiveWindow(m_signIn.get());
    QTRY_VERIFY(password->hasFocus());
}

void TestPasswordWindows::newPasswordWorksAtSignIn_data()
{
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("all capitals") << QStringLiteral("Mare Blu") << QStringLiteral("MARE BLU") << true;
    QTest::newRow("small letters") << QStringLiteral("Mare Blu") << QStringLiteral("mare blu") << true;
    QTest::newRow("any mix with blanks")
        << QStringLiteral("Mare Blu") << QStringLiteral("  mArE bLU ") << true;
    QTest::newRow("old password no longer")
        << QStringLiteral("Mare Blu") << QStringLiteral("benvenutoposta") << false;
    QTest::newRow("accent as typed") << QStringLiteral("Perchè") << QStringLiteral("PERCHè") << true;
    QTest::newRow("accent in other case")
        << QStringLiteral("Perchè") << QStringLiteral("PERCHÈ") << false;
}

void TestPasswordWindows::newPasswordWorksAtSignIn()
{
    QFETCH(QString, newPassword);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    changePasswordThroughWindow(QStringLiteral("benvenutoposta"), newPassword);
    QVERIFY(m_signIn->isVisible());

    KeyInput::typeText(field(m_signIn.get(), "txtPassword"), typed);
    KeyInput::pressKey(field(m_signIn.get(), "txtPassword"), Qt::Key_Return);
    QCOMPARE(m_home->isVisible(), accepted);
    QCOMPARE(m_signIn->isVisible(), !accepted);
    QCOMPARE(m_platform->lastMessage().text, accepted ? QString() : kWrongPassword);
}

QTEST_MAIN(TestPasswordWindows)
#include "tst_passwordwindows.moc"
