#include "CardTestTools.h"
#include "FakePlatform.h"
#include "TestChild.h"
#include "engine/guide/GuideTopics.h"
#include "widgets/app/LinkLabel.h"
#include "widgets/app/MakerInfo.h"
#include "widgets/app/TfrmAvvio.h"
#include "widgets/app/TfrmInfo.h"
#include "widgets/app/TfrmSplash.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The information and splash windows with their links, and the home
// window's icons that open them and the guide.

class TestInfoWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void informationWindowDesign();
    void mailLinkWritesTheMessageStart_data();
    void mailLinkWritesTheMessageStart();
    void folderInUseIsShownAndOpened();
    void splashWindowDesign();
    void splashLinkOpensTheSite_data();
    void splashLinkOpensTheSite();
    void linksTurnOrangeWhilePressed_data();
    void linksTurnOrangeWhilePressed();
    void homeIconsOpenTheirWindows_data();
    void homeIconsOpenTheirWindows();
    void homeIconsCanEachBeClicked();
    void splashIsCentredOnTheHomeWindow();

private:
    template<typename T = QWidget>
    T *control(const QWidget *window, const QString &name,
               std::source_location where = std::source_location::current()) const
    {
        return TestTools::child<T>(window, name, where);
    }

    FakePlatform *m_platform = nullptr;
};

void TestInfoWindows::initTestCase()
{
    // Closing the last test window must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestInfoWindows::init()
{
    m_platform = new FakePlatform;
}

void TestInfoWindows::cleanup()
{
    delete m_platform;
}

void TestInfoWindows::informationWindowDesign()
{
    TfrmInfo window(nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("frmInfo"));
    QCOMPARE(window.windowTitle(), QStringLiteral(" Informazioni su Vacanzio"));
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    window.adjustSize();
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!control<QLabel>(&window, QStringLiteral("imgLogo"))->pixmap().isNull());
    QCOMPARE(control<LinkLabel>(&window, QStringLiteral("lnkWeb"))->text(), MakerInfo::emailAddress());
    QVERIFY(!control<QLabel>(&window, QStringLiteral("imgEmail"))->pixmap().isNull());
    QCOMPARE(control<QPushButton>(&window, QStringLiteral("btnChiudi"))->text(), QStringLiteral("Chiudi"));
    QCOMPARE(MakerInfo::emailAddress(), QStringLiteral("info@vacanzio.it"));
}

void TestInfoWindows::mailLinkWritesTheMessageStart_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::newRow("link") << "lnkWeb";
    QTest::newRow("envelope") << "imgEmail";
}

void TestInfoWindows::mailLinkWritesTheMessageStart()
{
    QFETCH(QString, clicked);

    TfrmInfo window(nullptr);
    QTest::mouseClick(control(&window, clicked), Qt::LeftButton);
    QCOMPARE(m_platform->shellCommands,
             QStringList{QStringLiteral("\"mailto:info@vacanzio.it?subject=Software Vacanzio&body=Salve, "
                                        "desidererei avere le seguenti informazioni sul software in oggetto:\"")});
    QCOMPARE(control<LinkLabel>(&window, QStringLiteral("lnkWeb"))->colour(), QColor(0, 0, 128));
}

void TestInfoWindows::folderInUseIsShownAndOpened()
{
    TfrmInfo window(nullptr);
    const QString folder = QDir::toNativeSeparators(m_platform->folder());
    QCOMPARE(control<LinkLabel>(&window, QStringLiteral("lnkCartella"))->text(), folder);
    QCOMPARE(control<QLabel>(&window, QStringLiteral("lblCartella"))->text(), QStringLiteral("Cartella dei dati:"));
    QTest::mouseClick(control(&window, QStringLiteral("lnkCartella")), Qt::LeftButton);
    QCOMPARE(m_platform->shellCommands, QStringList{QLatin1Char('"') + folder + QLatin1Char('"')});
    QVERIFY(m_platform->messages.isEmpty());
}

void TestInfoWindows::splashWindowDesign()
{
    TfrmSplash window(nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("frmSplash"));
    QVERIFY(window.windowTitle().contains(QStringLiteral("Vacanzio")));
    QVERIFY(window.windowTitle().contains(MakerInfo::makerName()));
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    window.adjustSize();
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(control<QLabel>(&window, QStringLiteral("imgLogo"))->pixmap().size(), QSize(625, 380));
    QCOMPARE(control<LinkLabel>(&window, QStringLiteral("lnkWeb"))->text(), MakerInfo::webAddress());
    QVERIFY(!control<QLabel>(&window, QStringLiteral("imgWeb"))->pixmap().isNull());
    QCOMPARE(control<QPushButton>(&window, QStringLiteral("btnChiudi"))->text(), QStringLiteral("Chiudi"));
}

void TestInfoWindows::splashLinkOpensTheSite_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::newRow("link") << "lnkWeb";
    QTest::newRow("globe") << "imgWeb";
}

void TestInfoWindows::splashLinkOpensTheSite()
{
    QFETCH(QString, clicked);

    TfrmSplash window(nullptr);
    QTest::mouseClick(control(&window, clicked), Qt::LeftButton);
    QCOMPARE(m_platform->shellCommands, QStringList{QStringLiteral("https://www.vacanzio.it")});
}

void TestInfoWindows::linksTurnOrangeWhilePressed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("pressed");

    QTest::newRow("information, link") << "frmInfo" << "lnkWeb";
    QTest::newRow("information, envelope") << "frmInfo" << "imgEmail";
    QTest::newRow("splash, link") << "frmSplash" << "lnkWeb";
    QTest::newRow("splash, globe") << "frmSplash" << "imgWeb";
}

void TestInfoWindows::linksTurnOrangeWhilePressed()
{
    QFETCH(QString, window);
    QFETCH(QString, pressed);

    std::unique_ptr<QDialog> shown;
    if (window == QLatin1String("frmInfo"))
        shown = std::make_unique<TfrmInfo>(nullptr);
    else
        shown = std::make_unique<TfrmSplash>(nullptr);
    auto *link = control<LinkLabel>(shown.get(), QStringLiteral("lnkWeb"));
    QWidget *target = control(shown.get(), pressed);
    QCOMPARE(link->colour(), QColor(0, 0, 128));
    QTest::mousePress(target, Qt::LeftButton);
    QCOMPARE(link->colour(), QColor(255, 128, 0));
    // Released off the link: no click, but the colour comes back.
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(link->colour(), QColor(0, 0, 128));
    QVERIFY(m_platform->shellCommands.isEmpty());
}

void TestInfoWindows::homeIconsCanEachBeClicked()
{
    // Every picture of the home window stands clear of the others, so that
    // the mouse reaches each one where it is drawn.
    TfrmAvvio home;
    QVERIFY(CardTestTools::showAndActivate(&home));
    const QWidget *content = control(&home, QStringLiteral("panContainer"));
    QList<const QWidget *> pictures;
    for (const QWidget *child : content->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName().startsWith(QLatin1String("img")) || child->objectName().startsWith(QLatin1String("ico")))
            pictures.append(child);
    }
    QVERIFY(pictures.size() >= 9);
    for (const QWidget *picture : pictures) {
        const QPoint centre = picture->geometry().center();
        QVERIFY2(content->childAt(centre) == picture, qPrintable(picture->objectName()));
        for (const QWidget *other : pictures) {
            QVERIFY2(other == picture || !other->geometry().intersects(picture->geometry()),
                     qPrintable(picture->objectName() + QLatin1String(" / ") + other->objectName()));
        }
    }
}

void TestInfoWindows::homeIconsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("window");

    QTest::newRow("information") << "imgInfo" << "frmInfo";
    QTest::newRow("guide") << "imgGuida" << "frmGuida";
    QTest::newRow("copyright") << "imgCopyright" << "frmSplash";
}

void TestInfoWindows::homeIconsOpenTheirWindows()
{
    QFETCH(QString, icon);
    QFETCH(QString, window);

    TfrmAvvio home;
    QVERIFY(CardTestTools::showAndActivate(&home));
    QWidget *picture = control(&home, icon);
    QVERIFY(picture->isEnabled());
    QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);

    QString opened;
    QWidget *owner = nullptr;
    bool modal = false;
    QString title;
    QString text;
    CardTestTools::onNextModal([&](QWidget *shown) {
        opened = shown->objectName();
        owner = shown->parentWidget();
        modal = shown->isModal();
        if (opened == QLatin1String("frmGuida")) {
            title = control<QLabel>(shown, QStringLiteral("lblTitolo"))->text();
            text = control<QPlainTextEdit>(shown, QStringLiteral("txtGuida"))->toPlainText();
        }
        control<QPushButton>(shown, QStringLiteral("btnChiudi"))->click();
    });
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(opened, window);
    QCOMPARE(owner, &home);
    QVERIFY(modal);
    if (window == QLatin1String("frmGuida")) {
        QCOMPARE(title, QStringLiteral("Uno sguardo a Vacanzio"));
        QCOMPARE(text, GuideTopics::text(GuideTopic::General).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    // Made for that one use: gone once closed.
    QVERIFY(!home.findChild<QWidget *>(window));
    QVERIFY(home.isVisible());
}

void TestInfoWindows::splashIsCentredOnTheHomeWindow()
{
    TfrmAvvio home;
    QVERIFY(CardTestTools::showAndActivate(&home));
    QPoint splashCentre;
    CardTestTools::onNextModal([&](QWidget *shown) { splashCentre = shown->geometry().center(); });
    QTest::mouseClick(control(&home, QStringLiteral("imgCopyright")), Qt::LeftButton);
    QVERIFY((splashCentre - home.frameGeometry().center()).manhattanLength() <= 4);
}

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
