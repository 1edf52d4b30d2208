#include "TestChild.h"
#include "widgets/app/MakerInfo.h"
#include "engine/password/PasswordStore.h"
#include "widgets/app/ProgramWindows.h"
#include "widgets/receipts/TfrmMenuRicevute.h"
#include "widgets/receipts/TfrmRicevuta.h"
#include "widgets/app/TfrmAvvio.h"
#include "widgets/app/TfrmCambiaPassword.h"
#include "widgets/app/TfrmPassword.h"
#include "widgets/landlords/TfrmLocatori.h"
#include "widgets/contracts/TfrmContratti.h"
#include "widgets/tenants/TfrmConduttori.h"

#include "FakePlatform.h"
#include "KeyInput.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

// The whole shell as the program builds it: sign-in, home and module
// windows created and wired by ProgramWindows, driven through their own
// controls.

namespace {

const QString kPassword = QStringLiteral("segreto");

// The module windows the home tiles lead to, tile 1 to 4.
const QStringList kModuleWindows = {
    QStringLiteral("frmLocatori"),
    QStringLiteral("frmConduttori"),
    QStringLiteral("frmContratti"),
    QStringLiteral("frmMenuRicevute"),
};

// The object names of the windows on screen, sorted. Only one of the
// sign-in, home and module windows may ever be there at a time.
QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isWindow() && widget->isVisible())
            names.append(widget->objectName());
    }
    names.sort();
    return names;
}

QWidget *topLevelWindow(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

// Notes every window that went off screen while no other window was on it.
// Each switch must show the next window before hiding the current one, so
// the screen is never left empty in between. Watches the whole application,
// so that windows built after it started are watched too.
class HandOverWatcher : public QObject
{
public:
    HandOverWatcher() { qApp->installEventFilter(this); }
    ~HandOverWatcher() override { qApp->removeEventFilter(this); }

    QStringList leftEmpty;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            QStringList others = visibleWindows();
            others.removeAll(window->objectName());
            if (window->isWindow() && others.isEmpty())
                leftEmpty.append(window->objectName());
        }
        return false;
    }
};

} // namespace

class TestProgramWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowsOfTheRunAreCreated_data();
    void windowsOfTheRunAreCreated();
    void startBuildsOnlyTheSignInWindow();
    void startShowsOnlyTheSignInWindow();
    void signIn_data();
    void signIn();
    void changePasswordRoundTripKeepsOneWindow();
    void landlordTileOpensTheModuleMaximised_data();
    void landlordTileOpensTheModuleMaximised();
    void closingTheModuleReturnsHome_data();
    void closingTheModuleReturnsHome();
    void reopenedModuleShowsAnEmptyCard_data();
    void reopenedModuleShowsAnEmptyCard();
    void tilesFollowTheModulesPresent_data();
    void tilesFollowTheModulesPresent();
    void everyButtonOfTheCardWindowsIsWired_data();
    void everyButtonOfTheCardWindowsIsWired();
    void receiptModuleRoundTrip_data();
    void receiptModuleRoundTrip();
    void siteStripOpensTheMakersAddress();
    void wholeRunKeepsOneWindowOnScreen();
    void programEnds_data();
    void programEnds();

private:
    template<typename T = QWidget>
    T *control(QWidget *window, const QString &name,
               std::source_location where = std::source_location::current()) const
    {
        return TestTools::child<T>(window, name, where);
    }
    // A window of the run as the program reaches it, built on first use.
    QWidget *windowOfTheRun(const QString &instance) const;
    // Types the password into the sign-in window and presses OK.
    void typePassword(const QString &typed);
    void signInToHome();
    void openLandlords();

    FakePlatform *m_platform = nullptr;
    ProgramWindows *m_windows = nullptr;
};

void TestProgramWindows::initTestCase()
{
    // As in the program: the last window going off screen must not end
    // the run by itself; the home and sign-in windows decide that.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestProgramWindows::init()
{
    // The platform first: the card windows ask it for the program folder
    // while they are being built.
    m_platform = new FakePlatform;
    QVERIFY(PasswordStore(m_platform->folder()).write(kPassword));
    m_windows = new ProgramWindows;
}

void TestProgramWindows::cleanup()
{
    delete m_windows;
    m_windows = nullptr;
    delete m_platform;
    m_platform = nullptr;
}

QWidget *TestProgramWindows::windowOfTheRun(const QString &instance) const
{
    if (instance == QLatin1String("frmPassword"))
        return m_windows->frmPassword();
    if (instance == QLatin1String("frmCambiaPassword"))
        return m_windows->frmCambiaPassword();
    if (instance == QLatin1String("frmAvvio"))
        return m_windows->frmAvvio();
    if (instance == QLatin1String("frmMenuRicevute"))
        return m_windows->frmMenuRicevute();
    if (instance == QLatin1String("frmRicevuta"))
        return m_windows->frmRicevuta();
    if (instance == QLatin1String("frmContratti"))
        return m_windows->frmContratti();
    if (instance == QLatin1String("frmLocatori"))
        return m_windows->frmLocatori();
    if (instance == QLatin1String("frmConduttori"))
        return m_windows->frmConduttori();
    return nullptr;
}

void TestProgramWindows::typePassword(const QString &typed)
{
    TfrmPassword *signInWindow = m_windows->frmPassword();
    auto *field = control<QLineEdit>(signInWindow, QStringLiteral("txtPassword"));
    field->clear();
    KeyInput::typeText(field, typed);
    control<QPushButton>(signInWindow, QStringLiteral("cmdOK"))->click();
}

void TestProgramWindows::signInToHome()
{
    m_windows->start();
    typePassword(kPassword);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmAvvio")});
}

void TestProgramWindows::openLandlords()
{
    signInToHome();
    control<QPushButton>(m_windows->frmAvvio(), QStringLiteral("btnApp01"))->click();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmLocatori")});
}

void TestProgramWindows::windowsOfTheRunAreCreated_data()
{
    QTest::addColumn<QString>("instance");
    QTest::addColumn<QString>("caption");

    QTest::newRow("sign-in") << "frmPassword" << " Vacanzio - Accesso";
    QTest::newRow("change password") << "frmCambiaPassword" << " Cambia password";
    QTest::newRow("home") << "frmAvvio" << " Vacanzio";
    QTest::newRow("receipt year") << "frmMenuRicevute" << " Vacanzio - Emissione Ricevute";
    QTest::newRow("receipts") << "frmRicevuta" << " Vacanzio";
    QTest::newRow("contracts") << "frmContratti" << " Vacanzio - Contratti di Locazione";
    QTest::newRow("landlords") << "frmLocatori" << " Vacanzio - Immobili e Locatori";
    QTest::newRow("tenants") << "frmConduttori" << " Vacanzio - Archivio Conduttori";
}

void TestProgramWindows::windowsOfTheRunAreCreated()
{
    QFETCH(QString, instance);
    QFETCH(QString, caption);

    QWidget *window = windowOfTheRun(instance);
    QVERIFY2(window, qPrintable(instance));
    QCOMPARE(window->objectName(), instance);
    QCOMPARE(window->windowTitle(), caption);
    QVERIFY(window->isWindow());
    // Created, not shown: start() decides what comes first.
    QVERIFY(!window->isVisible());
    // Built once for the whole run: reaching it again gives the same window.
    QCOMPARE(windowOfTheRun(instance), window);
    QCOMPARE(topLevelWindow(instance), window);
}

void TestProgramWindows::startBuildsOnlyTheSignInWindow()
{
    // The first window has to be on screen as soon as a bare window would
    // be: the others are built when they are first reached.
    m_windows->start();
    QStringList built;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName().startsWith(QLatin1String("frm")))
            built.append(widget->objectName());
    }
    QCOMPARE(built, QStringList{QStringLiteral("frmPassword")});
}

void TestProgramWindows::startShowsOnlyTheSignInWindow()
{
    QVERIFY(visibleWindows().isEmpty());
    m_windows->start();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmPassword")});
}

void TestProgramWindows::signIn_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");

    QTest::newRow("right") << kPassword << "frmAvvio" << false;
    QTest::newRow("right, other case and blanks") << "  SeGreTo " << "frmAvvio" << false;
    QTest::newRow("wrong") << "sbagliata" << "frmPassword" << true;
}

void TestProgramWindows::signIn()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, refused);

    m_windows->start();
    HandOverWatcher watcher;
    typePassword(typed);
    QCOMPARE(visibleWindows(), QStringList{shown});
    QVERIFY2(watcher.leftEmpty.isEmpty(), qPrintable(watcher.leftEmpty.join(u',')));
    QCOMPARE(m_platform->messages.size(), refused ? 1 : 0);
    if (!refused)
        QVERIFY(m_windows->frmAvvio()->windowState().testFlag(Qt::WindowMaximized));
}

void TestProgramWindows::changePasswordRoundTripKeepsOneWindow()
{
    m_windows->start();
    HandOverWatcher watcher;

    const QPoint signInCentre = m_windows->frmPassword()->geometry().center();
    control<QPushButton>(m_windows->frmPassword(), QStringLiteral("btnCambiaPassword"))->click();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmCambiaPassword")});
    // The two windows take turns in the same place.
    const QPoint changeCentre = m_windows->frmCambiaPassword()->geometry().center();
    QVERIFY((changeCentre - signInCentre).manhattanLength() <= 2);

    control<QPushButton>(m_windows->frmCambiaPassword(), QStringLiteral("cmdEsci"))->click();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmPassword")});
    QVERIFY((m_windows->frmPassword()->geometry().center() - signInCentre).manhattanLength() <= 2);

    typePassword(kPassword);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmAvvio")});
    QVERIFY2(watcher.leftEmpty.isEmpty(), qPrintable(watcher.leftEmpty.join(u',')));
}

void TestProgramWindows::landlordTileOpensTheModuleMaximised_data()
{
    QTest::addColumn<QString>("clicked");

    QTest::newRow("tile picture") << "imgApp01";
    QTest::newRow("caption button") << "btnApp01";
}

void TestProgramWindows::landlordTileOpensTheModuleMaximised()
{
    QFETCH(QString, clicked);

    signInToHome();
    HandOverWatcher watcher;
    QWidget *tile = control(m_windows->frmAvvio(), clicked);
    QVERIFY(tile->isEnabled());
    QCOMPARE(tile->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(tile, Qt::LeftButton);

    TfrmLocatori *landlords = m_windows->frmLocatori();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmLocatori")});
    QVERIFY(landlords->windowState().testFlag(Qt::WindowMaximized));
    QVERIFY(!m_windows->frmAvvio()->isVisible());
    QVERIFY2(watcher.leftEmpty.isEmpty(), qPrintable(watcher.leftEmpty.join(u',')));
}

void TestProgramWindows::closingTheModuleReturnsHome_data()
{
    QTest::addColumn<bool>("byExitButton");

    QTest::newRow("close box") << false;
    QTest::newRow("cmdEsci") << true;
}

void TestProgramWindows::closingTheModuleReturnsHome()
{
    QFETCH(bool, byExitButton);

    openLandlords();
    HandOverWatcher watcher;
    TfrmLocatori *landlords = m_windows->frmLocatori();
    if (byExitButton)
        control<QToolButton>(landlords, QStringLiteral("cmdEsci"))->click();
    else
        QVERIFY(landlords->close());

    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmAvvio")});
    QVERIFY(m_windows->frmAvvio()->windowState().testFlag(Qt::WindowMaximized));
    QVERIFY2(watcher.leftEmpty.isEmpty(), qPrintable(watcher.leftEmpty.join(u',')));
    // Only hidden: the window lives for the whole run.
    QVERIFY(topLevelWindow(QStringLiteral("frmLocatori")) == landlords);
}

void TestProgramWindows::reopenedModuleShowsAnEmptyCard_data()
{
    QTest::addColumn<bool>("saveFirst");
    QTest::addColumn<bool>("byExitButton");

    QTest::newRow("typed card, close box") << false << false;
    QTest::newRow("typed card, cmdEsci") << false << true;
    QTest::newRow("saved card, close box") << true << false;
    QTest::newRow("saved card, cmdEsci") << true << true;
}

void TestProgramWindows::reopenedModuleShowsAnEmptyCard()
{
    QFETCH(bool, saveFirst);
    QFETCH(bool, byExitButton);

    openLandlords();
    TfrmLocatori *landlords = m_windows->frmLocatori();
    KeyInput::typeText(control(landlords, QStringLiteral("txtLocatore")), QStringLiteral("Rossi Mario"));
    KeyInput::typeText(control(landlords, QStringLiteral("txtComuneImm")), QStringLiteral("Rimini"));
    auto *position = control<QLabel>(landlords, QStringLiteral("lblPosizione"));
    if (saveFirst) {
        control<QToolButton>(landlords, QStringLiteral("cmdSalva"))->click();
        QCOMPARE(position->text(), QStringLiteral("1"));
    }
    QCOMPARE(landlords->fieldText(QStringLiteral("Locatore")), QStringLiteral("Rossi Mario"));

    if (byExitButton)
        control<QToolButton>(landlords, QStringLiteral("cmdEsci"))->click();
    else
        landlords->close();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmAvvio")});

    control<QPushButton>(m_windows->frmAvvio(), QStringLiteral("btnApp01"))->click();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmLocatori")});
    QVERIFY(landlords->fieldText(QStringLiteral("Locatore")).isEmpty());
    QVERIFY(landlords->fieldText(QStringLiteral("ComuneImm")).isEmpty());
    QVERIFY(position->text().isEmpty());
}

void TestProgramWindows::tilesFollowTheModulesPresent_data()
{
    QTest::addColumn<int>("tile");

    QTest::newRow("landlords") << 1;
    QTest::newRow("tenants") << 2;
    QTest::newRow("contracts") << 3;
    QTest::newRow("receipts") << 4;
}

void TestProgramWindows::tilesFollowTheModulesPresent()
{
    QFETCH(int, tile);

    signInToHome();
    TfrmAvvio *home = m_windows->frmAvvio();
    const QString number = QStringLiteral("%1").arg(tile, 2, 10, QLatin1Char('0'));
    QWidget *picture = control(home, QStringLiteral("imgApp") + number);
    auto *caption = control<QPushButton>(home, QStringLiteral("btnApp") + number);
    const QString module = kModuleWindows.at(tile - 1);

    // Every module is part of the program, so every tile can be clicked;
    // the module's window is built by that first click, not before.
    QVERIFY(picture->isEnabled());
    QVERIFY(caption->isEnabled());
    QVERIFY2(!topLevelWindow(module), qPrintable(module + QStringLiteral(" built before its first use")));

    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(visibleWindows(), QStringList{module});
}

void TestProgramWindows::everyButtonOfTheCardWindowsIsWired_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("sideButtons");

    QTest::newRow("landlords") << "frmLocatori" << QStringList{QStringLiteral("btnCodFiscLoc"), QStringLiteral("btnEmailLoc")};
    QTest::newRow("tenants") << "frmConduttori" << QStringList{QStringLiteral("btnCodFiscCon"), QStringLiteral("btnEmailCon")};
    QTest::newRow("contracts") << "frmContratti"
                               << QStringList{QStringLiteral("impLocatore"), QStringLiteral("impConduttore"),
                                              QStringLiteral("impCodFiscLoc")};
    QTest::newRow("receipts") << "frmRicevuta" << QStringList{QStringLiteral("impPagatore"), QStringLiteral("cmdLogo")};
}

void TestProgramWindows::everyButtonOfTheCardWindowsIsWired()
{
    QFETCH(QString, window);
    QFETCH(QStringList, sideButtons);

    // A button is disabled only while its window is not part of the
    // program; every window is there now.
    QWidget *module = windowOfTheRun(window);
    QVERIFY(module);
    for (const char *name : {"cmdNuovo", "cmdDuplica", "cmdSalva", "cmdTrova", "cmdAnteprima", "cmdStampa",
                             "cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdEsporta", "cmdNumerazione",
                             "cmdGuida", "cmdEsci"})
        QVERIFY2(control(module, QLatin1String(name))->isEnabled(), name);
    for (const QString &name : sideButtons)
        QVERIFY2(control(module, name)->isEnabled(), qPrintable(name));
}

void TestProgramWindows::receiptModuleRoundTrip_data()
{
    QTest::addColumn<QString>("leaveYearBy");  // "Apri", "imgEsci" or "close box"
    QTest::addColumn<QString>("leaveReceiptsBy");
    QTest::addColumn<QString>("afterYearWindow");

    QTest::newRow("year chosen, receipts closed by cmdEsci") << "Apri" << "cmdEsci" << "frmRicevuta";
    QTest::newRow("year chosen, receipts closed by close box") << "Apri" << "close box" << "frmRicevuta";
    QTest::newRow("no year: Esci") << "imgEsci" << "" << "frmAvvio";
    QTest::newRow("no year: close box") << "close box" << "" << "frmAvvio";
}

void TestProgramWindows::receiptModuleRoundTrip()
{
    QFETCH(QString, leaveYearBy);
    QFETCH(QString, leaveReceiptsBy);
    QFETCH(QString, afterYearWindow);

    signInToHome();
    HandOverWatcher watcher;
    QTest::mouseClick(control(m_windows->frmAvvio(), QStringLiteral("imgApp04")), Qt::LeftButton);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMenuRicevute")});
    QWidget *yearWindow = m_windows->frmMenuRicevute();
    QVERIFY(yearWindow->windowState() & Qt::WindowMaximized);

    if (leaveYearBy == QLatin1String("Apri"))
        control<QPushButton>(yearWindow, QStringLiteral("btnApriPreventivi"))->click();
    else if (leaveYearBy == QLatin1String("imgEsci"))
        QTest::mouseClick(control(yearWindow, QStringLiteral("imgEsci")), Qt::LeftButton);
    else
        yearWindow->close();
    QCOMPARE(visibleWindows(), QStringList{afterYearWindow});

    if (!leaveReceiptsBy.isEmpty()) {
        QWidget *receipts = m_windows->frmRicevuta();
        QCOMPARE(receipts->windowTitle(), QStringLiteral(" Vacanzio - Archivio ricevute anno 2026"));
        QVERIFY(receipts->windowState() & Qt::WindowMaximized);
        if (leaveReceiptsBy == QLatin1String("cmdEsci"))
            control<QToolButton>(receipts, QStringLiteral("cmdEsci"))->click();
        else
            receipts->close();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmAvvio")});
    }
    QCOMPARE(watcher.leftEmpty, QStringList());
}

void TestProgramWindows::siteStripOpensTheMakersAddress()
{
    signInToHome();
    QWidget *site = control(m_windows->frmAvvio(), QStringLiteral("icoSito"));
    QCOMPARE(site->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(site, Qt::LeftButton);

    QCOMPARE(m_platform->shellCommands, QStringList{MakerInfo::webAddress()});
    QVERIFY(MakerInfo::webAddress().startsWith(QLatin1String("https://")));
    // Nothing to report and nowhere else to go.
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmAvvio")});
}

void TestProgramWindows::wholeRunKeepsOneWindowOnScreen()
{
    m_windows->start();
    HandOverWatcher watcher;
    TfrmAvvio *home = m_windows->frmAvvio();
    TfrmLocatori *landlords = m_windows->frmLocatori();

    typePassword(kPassword);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmAvvio")});
    for (int round = 0; round < 3; ++round) {
        QTest::mouseClick(control(home, QStringLiteral("imgApp01")), Qt::LeftButton);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmLocatori")});
        if (round % 2 == 0)
            control<QToolButton>(landlords, QStringLiteral("cmdEsci"))->click();
        else
            landlords->close();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmAvvio")});
    }
    QVERIFY2(watcher.leftEmpty.isEmpty(), qPrintable(watcher.leftEmpty.join(u',')));
}

void TestProgramWindows::programEnds_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("how");

    QTest::newRow("home close box") << "frmAvvio" << "close";
    QTest::newRow("home exit icon") << "frmAvvio" << "imgEsci";
    QTest::newRow("home close box after a module") << "frmLocatori" << "close";
    QTest::newRow("sign-in Esci") << "frmPassword" << "cmdEsci";
    // No close box is offered, but a window manager may add one, and
    // Alt+F4 always closes: the program must not run on without a window.
    QTest::newRow("sign-in closed by the window manager") << "frmPassword" << "close";
}

void TestProgramWindows::programEnds()
{
    QFETCH(QString, from);
    QFETCH(QString, how);

    m_windows->start();
    if (from != QLatin1String("frmPassword")) {
        typePassword(kPassword);
        if (from == QLatin1String("frmLocatori")) {
            control<QPushButton>(m_windows->frmAvvio(), QStringLiteral("btnApp01"))->click();
            control<QToolButton>(m_windows->frmLocatori(), QStringLiteral("cmdEsci"))->click();
        }
    }
    QWidget *window = from == QLatin1String("frmPassword") ? static_cast<QWidget *>(m_windows->frmPassword())
                                                            : m_windows->frmAvvio();
    QVERIFY(window->isVisible());

    // The program's own event loop has to end by itself; the guard only
    // keeps a broken build from hanging the run.
    constexpr int kHung = 99;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(kHung); });
    guard.start(10000);
    QTimer::singleShot(0, window, [&] {
        if (how == QLatin1String("close"))
            window->close();
        else if (how == QLatin1String("imgEsci"))
            QTest::mouseClick(control(window, how), Qt::LeftButton);
        else
            control<QPushButton>(window, how)->click();
    });
    const int result = QApplication::exec();
    const bool guardFired = !guard.isActive();
    guard.stop();

    QVERIFY2(!guardFired, "the event loop did not end");
    QCOMPARE(result, 0);
    // Nothing left on screen, although the hidden windows still exist.
    QCOMPARE(visibleWindows(), QStringList());
    QVERIFY(topLevelWindow(QStringLiteral("frmPassword")));
}

QTEST_MAIN(TestProgramWindows)
#include "tst_programwindows.moc"
