#include "CardTestTools.h"
#include "FakePlatform.h"
#include "TestChild.h"
#include "widgets/app/GuideLauncher.h"
#include "widgets/app/GuideTopics.h"
#include "widgets/app/LinkLabel.h"
#include "widgets/app/TfrmGuida.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

Q_DECLARE_METATYPE(GuideTopic)

// The guide window and the topics of the built-in help: every topic file,
// its paragraphs, and the window as the openers use it.

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

    void everyTopicHasItsTitleAndFile();
    void topicFileIsInParagraphForm_data();
    void topicFileIsInParagraphForm();
    void generalTopicGathersTheModulesInOrder();
    void generalTopicTellsWhatANewUserNeeds_data();
    void generalTopicTellsWhatANewUserNeeds();
    void exportTopicsReadAsWritten_data();
    void exportTopicsReadAsWritten();
    void windowDesign();
    void twoTopicsInARowShareNothing();
    void pdfLinkOpensTheGuideOnlyWhenPresent_data();
    void pdfLinkOpensTheGuideOnlyWhenPresent();
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

void TestGuideWindow::everyTopicHasItsTitleAndFile()
{
    const QList<GuideTopic> topics = GuideTopics::all();
    QCOMPARE(topics.size(), 9);
    QCOMPARE(topics.constFirst(), GuideTopic::General);
    QSet<QString> titles;
    QSet<QString> files;
    for (GuideTopic topic : topics) {
        titles.insert(GuideTopics::title(topic));
        files.insert(GuideTopics::resourcePath(topic));
    }
    QCOMPARE(titles.size(), topics.size());
    QCOMPARE(files.size(), topics.size());
}

void TestGuideWindow::topicFileIsInParagraphForm_data()
{
    QTest::addColumn<GuideTopic>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("paragraphs");

    QTest::newRow("general") << GuideTopic::General << "Uno sguardo a Vacanzio" << 41;
    QTest::newRow("landlords") << GuideTopic::Landlords << "App Immobili e Locatori" << 7;
    QTest::newRow("tenants") << GuideTopic::Tenants << "App Archivio Conduttori" << 7;
    QTest::newRow("contracts") << GuideTopic::Contracts << "App Contratti di Locazione" << 8;
    QTest::newRow("receipts") << GuideTopic::Receipts << "App Emissione Ricevute" << 11;
    QTest::newRow("landlords export") << GuideTopic::LandlordsExport
                                      << "Esportazione archivio Locatori in Microsoft Excel" << 3;
    QTest::newRow("tenants export") << GuideTopic::TenantsExport
                                    << "Esportazione archivio Conduttori in Microsoft Excel" << 3;
    QTest::newRow("contracts export") << GuideTopic::ContractsExport
                                      << "Esportazione archivio contratti in Microsoft Excel" << 3;
    QTest::newRow("receipts export") << GuideTopic::ReceiptsExport
                                     << "Esportazione archivio ricevute in Microsoft Excel" << 3;
}

void TestGuideWindow::topicFileIsInParagraphForm()
{
    QFETCH(GuideTopic, topic);
    QFETCH(QString, title);
    QFETCH(int, paragraphs);

    QCOMPARE(GuideTopics::title(topic), title);
    const QString text = GuideTopics::text(topic);
    QVERIFY2(!text.isEmpty(), qPrintable(GuideTopics::resourcePath(topic)));

    QFile file(GuideTopics::resourcePath(topic));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(raw);
    QVERIFY2(!utf8.hasError(), "not UTF-8");
    // The text is the file, at most without the line break that ends it.
    QVERIFY(decoded == text || decoded == text + QStringLiteral("\r\n"));

    const QStringList parts = text.split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(parts.size(), paragraphs);
    QCOMPARE(GuideTopics::paragraphs(topic), parts);
    for (const QString &paragraph : parts) {
        QVERIFY2(!paragraph.trimmed().isEmpty(), "an empty paragraph");
        QVERIFY2(!paragraph.contains(QLatin1Char('\r')) && !paragraph.contains(QLatin1Char('\n')),
                 qPrintable(QStringLiteral("a stray line break in: ") + paragraph.left(60)));
        QCOMPARE(paragraph.trimmed(), paragraph);
        // A paragraph ends as a sentence does.
        QVERIFY2(QStringLiteral(".!:").contains(paragraph.back()), qPrintable(paragraph.right(40)));
    }
}

void TestGuideWindow::generalTopicGathersTheModulesInOrder()
{
    // Three opening paragraphs, then each app's own topic, word for word.
    const QStringList general = GuideTopics::paragraphs(GuideTopic::General);
    QStringList modules;
    for (GuideTopic topic : {GuideTopic::Landlords, GuideTopic::Tenants, GuideTopic::Contracts, GuideTopic::Receipts})
        modules += GuideTopics::paragraphs(topic);
    QCOMPARE(modules.size(), 33);
    QCOMPARE(general.mid(3, modules.size()), modules);
}

void TestGuideWindow::generalTopicTellsWhatANewUserNeeds_data()
{
    QTest::addColumn<int>("paragraph");  // from 0
    QTest::addColumn<QStringList>("words");

    QTest::newRow("tourist lettings") << 1 << QStringList{"30 giorni", "Agenzia delle Entrate"};
    QTest::newRow("export") << 36 << QStringList{"Excel", "Esporta"};
    QTest::newRow("password") << 37 << QStringList{"benvenutoposta", "Cambia password"};
    QTest::newRow("network") << 38 << QStringList{"cartella condivisa", "rete locale", "stesso momento",
                                                  "tutte e due le schede"};
    QTest::newRow("USB and backup") << 39 << QStringList{"chiavetta USB", "copia di sicurezza",
                                                         "cartella del programma"};
}

void TestGuideWindow::generalTopicTellsWhatANewUserNeeds()
{
    QFETCH(int, paragraph);
    QFETCH(QStringList, words);

    const QString text = GuideTopics::paragraphs(GuideTopic::General).value(paragraph);
    for (const QString &word : words)
        QVERIFY2(text.contains(word, Qt::CaseInsensitive), qPrintable(word));
}

void TestGuideWindow::exportTopicsReadAsWritten_data()
{
    QTest::addColumn<GuideTopic>("topic");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("which");

    QTest::newRow("landlords") << GuideTopic::LandlordsExport << "tutti i Locatori registrati in archivio"
                               << "tutte le schede";
    QTest::newRow("tenants") << GuideTopic::TenantsExport << "tutti i Conduttori registrati in archivio"
                             << "tutte le schede";
    QTest::newRow("contracts") << GuideTopic::ContractsExport
                               << "tutti i contratti di locazione registrati in archivio" << "tutte le schede";
    QTest::newRow("receipts") << GuideTopic::ReceiptsExport << "l'archivio annuale delle ricevute" << "le schede";
}

void TestGuideWindow::exportTopicsReadAsWritten()
{
    QFETCH(GuideTopic, topic);
    QFETCH(QString, what);
    QFETCH(QString, which);

    const QStringList expected = {
        QStringLiteral("Il pulsante Esporta archivio consente di esportare ") + what
            + QStringLiteral(" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi "
                             "software in grado di gestire i file in formato XLS (ad esempio, con Open Office, "
                             "Libre Office o Microsoft Office)."),
        QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona "
                       "di Excel. Questa operazione crea in tempo reale un file in formato XLS contenente ")
            + which
            + QStringLiteral(" in archivio, che potrà essere aperto immediatamente rispondendo affermativamente al "
                             "messaggio di domanda che appare."),
        QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un "
                       "nome qualsiasi."),
    };
    QCOMPARE(GuideTopics::paragraphs(topic), expected);
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
