#include "CardTestTools.h"
#include "FakePlatform.h"
#include "TestChild.h"
#include "widgets/app/GuideLauncher.h"
#include "engine/guide/GuideTopics.h"
#include "widgets/app/LinkLabel.h"
#include "widgets/app/TfrmGuida.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(GuideTopic)

// The guide window as the guide buttons open it, and its link to the PDF
// guide.

namespace {

struct Shown
{
    QString window;
    QString title;
    QString text;
    QWidget *owner = nullptr;
};

QString asShown(const QString &text)
{
    // The text box keeps paragraphs, not the line-break characters.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

class TestGuideWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowDesign();
    void twoTopicsInARowShareNothing();
    void pdfLinkOpensTheGuideOnlyWhenPresent_data();
    void pdfLinkOpensTheGuideOnlyWhenPresent();
    void pdfLinkFallsBackToTheInstalledGuide_data();
    void pdfLinkFallsBackToTheInstalledGuide();
    void linkTurnsOrangeWhilePressed_data();
    void linkTurnsOrangeWhilePressed();
    void chiudiClosesTheWindow();

private:
    template<typename T = QWidget>
    T *control(const QWidget *window, const QString &name,
               std::source_location where = std::source_location::current()) const
    {
        return TestTools::child<T>(window, name, where);
    }
    // Opens the topic as a guide button does and notes what the window showed.
    Shown open(QWidget *owner, GuideTopic topic);

    FakePlatform *m_platform = nullptr;
};

void TestGuideWindow::init()
{
    m_platform = new FakePlatform;
}

void TestGuideWindow::cleanup()
{
    delete m_platform;
}

Shown TestGuideWindow::open(QWidget *owner, GuideTopic topic)
{
    Shown shown;
    CardTestTools::onNextModal([&](QWidget *modal) {
        shown.window = modal->objectName();
        shown.owner = modal->parentWidget();
        shown.title = control<QLabel>(modal, QStringLiteral("lblTitolo"))->text();
        shown.text = control<QPlainTextEdit>(modal, QStringLiteral("txtGuida"))->toPlainText();
    });
    showGuide(owner, topic);
    return shown;
}

void TestGuideWindow::windowDesign()
{
    TfrmGuida window(nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("frmGuida"));
    QCOMPARE(window.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
    QCOMPARE(window.minimumSize(), QSize(670, 572));
    QCOMPARE(window.maximumSize(), QSize(670, 572));
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(control(&window, QStringLiteral("imgLogo")));
    QCOMPARE(control<QLabel>(&window, QStringLiteral("lblTitolo"))->text(), QStringLiteral("Argomento della guida."));
    auto *text = control<QPlainTextEdit>(&window, QStringLiteral("txtGuida"));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    auto *link = control<LinkLabel>(&window, QStringLiteral("lnkWeb"));
    QCOMPARE(link->text(), QStringLiteral("Visualizza guida in formato PDF"));
    QCOMPARE(link->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(link->font().pointSize(), 14);
    QVERIFY(link->font().underline());
    QCOMPARE(link->colour(), QColor(0, 0, 128));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(control(&window, QStringLiteral("imgPDF"))->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(control<QPushButton>(&window, QStringLiteral("btnChiudi"))->text(), QStringLiteral("Chiudi"));
}

void TestGuideWindow::twoTopicsInARowShareNothing()
{
    QWidget landlords;
    QWidget receipts;
    const Shown first = open(&landlords, GuideTopic::Landlords);
    const Shown second = open(&receipts, GuideTopic::Receipts);

    QCOMPARE(first.window, QStringLiteral("frmGuida"));
    QCOMPARE(first.owner, &landlords);
    QCOMPARE(first.title, QStringLiteral("App Immobili e Locatori"));
    QCOMPARE(first.text, asShown(GuideTopics::text(GuideTopic::Landlords)));

    QCOMPARE(second.window, QStringLiteral("frmGuida"));
    QCOMPARE(second.owner, &receipts);
    QCOMPARE(second.title, QStringLiteral("App Emissione Ricevute"));
    QCOMPARE(second.text, asShown(GuideTopics::text(GuideTopic::Receipts)));
    for (const QString &paragraph : GuideTopics::paragraphs(GuideTopic::Landlords))
        QVERIFY2(!second.text.contains(paragraph), qPrintable(paragraph.left(60)));
    // Each window was for one use only.
    QVERIFY(landlords.findChildren<TfrmGuida *>().isEmpty());
    QVERIFY(receipts.findChildren<TfrmGuida *>().isEmpty());
}

void TestGuideWindow::pdfLinkOpensTheGuideOnlyWhenPresent_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("clicked");

    QTest::newRow("present, link") << true << "lnkWeb";
    QTest::newRow("present, icon") << true << "imgPDF";
    QTest::newRow("absent, link") << false << "lnkWeb";
    QTest::newRow("absent, icon") << false << "imgPDF";
}

void TestGuideWindow::pdfLinkOpensTheGuideOnlyWhenPresent()
{
    QFETCH(bool, present);
    QFETCH(QString, clicked);

    const QString pdf = m_platform->filePath(QStringLiteral("Guida.pdf"));
    if (present) {
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }
    TfrmGuida window(nullptr);
    QTest::mouseClick(control(&window, clicked), Qt::LeftButton);
    const QStringList expected = present
        ? QStringList{QLatin1Char('"') + QDir::toNativeSeparators(pdf) + QLatin1Char('"')}
        : QStringList();
    QCOMPARE(m_platform->shellCommands, expected);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestGuideWindow::pdfLinkFallsBackToTheInstalledGuide_data()
{
    QTest::addColumn<bool>("inProgramFolder");
    QTest::addColumn<bool>("installed");  // the package's documentation folder holds one
    QTest::addColumn<QString>("opened");  // "program", "installed" or ""

    QTest::newRow("program folder only") << true << false << "program";
    QTest::newRow("installed only") << false << true << "installed";
    QTest::newRow("both: the program folder's first") << true << true << "program";
    QTest::newRow("neither") << false << false << "";
}

void TestGuideWindow::pdfLinkFallsBackToTheInstalledGuide()
{
    QFETCH(bool, inProgramFolder);
    QFETCH(bool, installed);
    QFETCH(QString, opened);

    QTemporaryDir documentation;
    QVERIFY(documentation.isValid());
    m_platform->documentation = documentation.path() + QLatin1Char('/');
    const QString ownGuide = m_platform->filePath(QStringLiteral("Guida.pdf"));
    const QString installedGuide = m_platform->documentation + QStringLiteral("Guida.pdf");
    for (const auto &[wanted, path] : {std::pair{inProgramFolder, ownGuide}, std::pair{installed, installedGuide}}) {
        if (!wanted)
            continue;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("%PDF-1.4\n") > 0);
    }
    TfrmGuida window(nullptr);
    QTest::mouseClick(control(&window, QStringLiteral("lnkWeb")), Qt::LeftButton);
    QStringList expected;
    if (!opened.isEmpty()) {
        const QString path = opened == QLatin1String("program") ? ownGuide : installedGuide;
        expected.append(QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'));
    }
    QCOMPARE(m_platform->shellCommands, expected);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestGuideWindow::linkTurnsOrangeWhilePressed_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::newRow("on the link") << "lnkWeb";
    QTest::newRow("on the icon") << "imgPDF";
}

void TestGuideWindow::linkTurnsOrangeWhilePressed()
{
    QFETCH(QString, pressed);

    TfrmGuida window(nullptr);
    auto *link = control<LinkLabel>(&window, QStringLiteral("lnkWeb"));
    QWidget *target = control(&window, pressed);
    QTest::mousePress(target, Qt::LeftButton);
    QCOMPARE(link->colour(), QColor(255, 128, 0));
    QTest::mouseRelease(target, Qt::LeftButton);
    QCOMPARE(link->colour(), QColor(0, 0, 128));
}

void TestGuideWindow::chiudiClosesTheWindow()
{
    bool closed = false;
    CardTestTools::onNextModal([&](QWidget *modal) {
        control<QPushButton>(modal, QStringLiteral("btnChiudi"))->click();
        closed = !modal->isVisible();
    });
    showGuide(nullptr, GuideTopic::General);
    QVERIFY(closed);
}

QTEST_MAIN(TestGuideWindow)
#include "tst_guidewindow.moc"
