#include "CardTestTools.h"
#include "FakePlatform.h"
#include "TestFiles.h"
#include "engine/guests/PoliceTableStore.h"
#include "widgets/guests/TfrmTabelleQuestura.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using CardTestTools::control;

namespace {

const QByteArray kNewerComuni = "408099014;RIMINI;RN\r\n499999001;NUOVO COMUNE;RN\r\n";

QString builtIn(const QString &rows)
{
    return QStringLiteral("Tabella interna del programma: ") + rows;
}

} // namespace

class TestPoliceTablesWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsTheBuiltInTables();
    void loadsANewerTable();
    void malformedTableRefused();
    void cancelledChoiceChangesNothing();
    void damagedCopyShown();
    void backToTheBuiltInTables();
    void opensModally();

private:
    QString chosenFile(const QString &name, const QByteArray &bytes);

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QTemporaryDir> m_downloads;
    std::unique_ptr<TfrmTabelleQuestura> m_window;
};

void TestPoliceTablesWindow::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_downloads = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<TfrmTabelleQuestura>(nullptr);
}

void TestPoliceTablesWindow::cleanup()
{
    m_window.reset();
    m_downloads.reset();
    m_platform.reset();
}

QString TestPoliceTablesWindow::chosenFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_downloads->filePath(name);
    if (!TestFiles::write(path, bytes))
        qFatal("cannot prepare %s", qPrintable(path));
    return path;
}

void TestPoliceTablesWindow::showsTheBuiltInTables()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmTabelleQuestura"));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoComuni")->text(), builtIn("11.284 righe"));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoStati")->text(), builtIn("236 righe"));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoDocumenti")->text(), builtIn("95 righe"));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoTipiAlloggiato")->text(), builtIn("5 righe"));
    QVERIFY(!control<QPushButton>(m_window.get(), "btnTabelleInterne")->isEnabled());
}

void TestPoliceTablesWindow::loadsANewerTable()
{
    m_platform->fileChoices = {chosenFile(QStringLiteral("comuni.csv"), kNewerComuni)};
    control<QPushButton>(m_window.get(), "btnCaricaComuni")->click();

    QCOMPARE(m_platform->fileDialogTitles,
             QStringList{"Selezionare la tabella dei comuni scaricata dal portale Alloggiati Web"});
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("La tabella dei comuni è stata caricata: 2 righe."));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoComuni")->text(), QStringLiteral("Tabella caricata: 2 righe"));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoStati")->text(), builtIn("236 righe"));
    QVERIFY(control<QPushButton>(m_window.get(), "btnTabelleInterne")->isEnabled());
    QCOMPARE(PoliceTableStore::codes()->displayText(QStringLiteral("499999001")), QStringLiteral("NUOVO COMUNE (RN)"));
}

void TestPoliceTablesWindow::malformedTableRefused()
{
    m_platform->fileChoices = {chosenFile(QStringLiteral("comuni.csv"), kNewerComuni),
                               chosenFile(QStringLiteral("rotto.csv"), "408099014;RIMINI;RN\n408099013;RICCIONE\n")};
    QPushButton *load = control<QPushButton>(m_window.get(), "btnCaricaComuni");
    load->click();
    m_platform->clear();
    load->click();

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: il file \"rotto.csv\" non è stato caricato come tabella dei comuni.\n\r\n\r"
                            "Riga 2: 2 colonne invece di 3 come nelle righe precedenti.\n\r\n\r"
                            "Le tabelle in uso restano quelle di prima."));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoComuni")->text(), QStringLiteral("Tabella caricata: 2 righe"));
    QCOMPARE(PoliceTableStore::codes()->comuneCount(), 2);
}

void TestPoliceTablesWindow::cancelledChoiceChangesNothing()
{
    control<QPushButton>(m_window.get(), "btnCaricaStati")->click();
    QCOMPARE(m_platform->fileDialogTitles.size(), 1);
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(!PoliceTableStore::hasLoadedCopies());
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoStati")->text(), builtIn("236 righe"));
}

void TestPoliceTablesWindow::damagedCopyShown()
{
    // Found at start: a program folder whose tables were never read.
    m_window.reset();
    m_platform.reset();  // before the next one installs itself
    m_platform = std::make_unique<FakePlatform>();
    const QString folder = m_platform->filePath(QStringLiteral("Tabelle_Questura"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(TestFiles::write(folder + QStringLiteral("/documenti.csv"), "IDENT;CARTA;X\n"));
    m_window = std::make_unique<TfrmTabelleQuestura>(nullptr);

    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoDocumenti")->text(),
             builtIn("95 righe (la tabella caricata non si legge)"));
    // The damaged copy can be removed.
    QVERIFY(control<QPushButton>(m_window.get(), "btnTabelleInterne")->isEnabled());
}

void TestPoliceTablesWindow::backToTheBuiltInTables()
{
    m_platform->fileChoices = {chosenFile(QStringLiteral("comuni.csv"), kNewerComuni),
                               chosenFile(QStringLiteral("tipi.csv"), "16,A\r\n17,B\r\n18,C\r\n19,D\r\n20,E\r\n")};
    control<QPushButton>(m_window.get(), "btnCaricaComuni")->click();
    control<QPushButton>(m_window.get(), "btnCaricaTipiAlloggiato")->click();
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoTipiAlloggiato")->text(),
             QStringLiteral("Tabella caricata: 5 righe"));
    m_platform->clear();

    // No: everything stays.
    m_platform->answers = {false};
    QPushButton *restore = control<QPushButton>(m_window.get(), "btnTabelleInterne");
    restore->click();
    QCOMPARE(m_platform->questions,
             QStringList{"Tornare alle tabelle interne del programma?\r\n\r\nLe tabelle caricate saranno eliminate."});
    QCOMPARE(m_platform->questionDefaults, QList<DefaultAnswer>{DefaultAnswer::No});
    QVERIFY(PoliceTableStore::hasLoadedCopies());
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoComuni")->text(), QStringLiteral("Tabella caricata: 2 righe"));

    // Yes: the loaded copies go.
    m_platform->answers = {true};
    restore->click();
    QVERIFY(!PoliceTableStore::hasLoadedCopies());
    QVERIFY(!QFile::exists(m_platform->filePath(QStringLiteral("Tabelle_Questura/comuni.csv"))));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoComuni")->text(), builtIn("11.284 righe"));
    QCOMPARE(control<QLabel>(m_window.get(), "lblStatoTipiAlloggiato")->text(), builtIn("5 righe"));
    QVERIFY(!restore->isEnabled());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestPoliceTablesWindow::opensModally()
{
    QString shown;
    bool modal = false;
    QString comuni;
    CardTestTools::onNextModal([&](QWidget *window) {
        shown = window->objectName();
        modal = window->isModal();
        if (auto *label = window->findChild<QLabel *>(QStringLiteral("lblStatoComuni")))
            comuni = label->text();
        if (auto *close = window->findChild<QPushButton *>(QStringLiteral("btnChiudi")))
            close->click();
    });
    QWidget owner;
    openPoliceTablesWindow(&owner);
    QCOMPARE(shown, QStringLiteral("frmTabelleQuestura"));
    QVERIFY(modal);
    QCOMPARE(comuni, builtIn("11.284 righe"));
    // Destroyed when closed.
    QVERIFY(owner.findChildren<QDialog *>().isEmpty());
}

QTEST_MAIN(TestPoliceTablesWindow)
#include "tst_policetableswindow.moc"
