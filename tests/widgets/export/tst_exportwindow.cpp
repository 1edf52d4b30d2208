#include "ArchiveFixture.h"
#include "CardTestTools.h"
#include "FakePlatform.h"
#include "TestChild.h"
#include "XlsxSheet.h"

#include "engine/archive/RecordLayouts.h"
#include "widgets/export/ExportLauncher.h"
#include "widgets/export/ExportProgressIndicator.h"
#include "widgets/export/ExportWindows.h"
#include "widgets/receipts/TfrmRicevuta.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

using TestTools::child;

// The export window of each archive, driven as a user would: the grid, the
// hints, the questions, the files written, the opening of the file.
class TestExportWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowAndControls_data();
    void windowAndControls();
    void gridShowsTheArchive_data();
    void gridShowsTheArchive();
    void emptyOrMissingArchiveShowsNoRows();
    void hints_data();
    void hints();
    void exportAnswers_data();
    void exportAnswers();
    void exportWritesTheGridNotTheArchive();
    void failedExportShowsTheMessage_data();
    void failedExportShowsTheMessage();
    void exitClosesTheWindow();
    void launcherOpensTheWindowOfEachArchive_data();
    void launcherOpensTheWindowOfEachArchive();
    void receiptYearsInTurnLeaveTheSecond();
    void progressShowsForLongSteps();
    void progressWaitsBeforeShowing();

private:
    QString file(const QString &name) const { return m_platform->filePath(name); }
    // A window of that archive, shown over the owner.
    ExportWindow *openWindow(ExportArchive archive, const QString &archivePath = QString());
    QTableView *grid() const { return child<QTableView>(m_window.get(), QStringLiteral("grdRecords")); }
    QString status() const { return child<QLabel>(m_window.get(), QStringLiteral("panInfo"))->text(); }
    QByteArray bytesOf(const QString &name) const;

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<ExportWindow> m_window;
};

Q_DECLARE_METATYPE(ExportArchive)

namespace {

const QString ConfirmExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti "
    "in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString OpenFile =
    QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString ExportFailed = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia già aperto.");

QByteArray receipt(const QByteArray &number, const QByteArray &payer)
{
    return ArchiveFixture::record(RecordLayouts::ricevuta(),
                                  {{"NumRic", number}, {"Data", "05/01/2026"}, {"Pagatore01", payer},
                                   {"Causale01", " Affitto "}, {"Intero", "120,00"}});
}

QList<QByteArray> landlords()
{
    return {ArchiveFixture::record(RecordLayouts::locatore(), {{"Locatore", "Rossi Mario"}, {"CapImm", "00184"},
                                                               {"CodComune", "H501"}, {"Spese", "Luce"}}),
            ArchiveFixture::record(RecordLayouts::locatore(), {{"Locatore", "  Verdi <&> Luca "}, {"Note", "Citt\xe0"}}),
            ArchiveFixture::record(RecordLayouts::locatore(), {})};
}

} // namespace

void TestExportWindow::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_owner = std::make_unique<QWidget>();
    m_owner->setGeometry(100, 80, 900, 700);
}

void TestExportWindow::cleanup()
{
    ExportProgressIndicator::setDelayMs(400);
    m_window.reset();
    m_owner.reset();
    m_platform.reset();
}

ExportWindow *TestExportWindow::openWindow(ExportArchive archive, const QString &archivePath)
{
    m_window = createExportWindow(archive, m_owner.get());
    if (!archivePath.isNull())
        m_window->setArchivePath(archivePath);
    m_window->show();
    return m_window.get();
}

QByteArray TestExportWindow::bytesOf(const QString &name) const
{
    QFile bytes(file(name));
    return bytes.open(QIODevice::ReadOnly) ? bytes.readAll() : QByteArray();
}

void TestExportWindow::windowAndControls_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("someHeaders");  // the first, the second, the last
    QTest::addColumn<int>("columns");
    QTest::newRow("landlords") << ExportArchive::Locatori << "TfrmExpLocatori" << "frmExpLocatori"
                               << " Esportazione archivio Locatori in Microsoft Excel"
                               << QStringList{"N.", "Cognome e nome Locatore", "Spese a carico del Conduttore"} << 26;
    QTest::newRow("tenants") << ExportArchive::Conduttori << "TfrmExpConduttori" << "frmExpConduttori"
                             << " Esportazione archivio Conduttori in Microsoft Excel"
                             << QStringList{"N.", "Cognome e nome Conduttore", "Questioni in sospeso"} << 24;
    QTest::newRow("contracts") << ExportArchive::Contratti << "TfrmExpContratti" << "frmExpContratti"
                               << " Esportazione archivio contratti in Microsoft Excel"
                               << QStringList{"N.", "Cognome e nome Locatore", "Data stipula contratto"} << 26;
    QTest::newRow("receipts") << ExportArchive::Ricevute << "TfrmExpRic" << "frmExpRic"
                              << " Esporta archivio ricevute in Microsoft Excel"
                              << QStringList{"N.", "Ricevuta n.", "Totale: €"} << 8;
}

void TestExportWindow::windowAndControls()
{
    QFETCH(ExportArchive, archive);
    QFETCH(QStringList, someHeaders);
    QFETCH(int, columns);
    ExportWindow *window = openWindow(archive);
    QTEST(QString::fromLatin1(window->metaObject()->className()), "className");
    QTEST(window->objectName(), "objectName");
    QTEST(window->windowTitle(), "caption");
    QCOMPARE(window->size(), QSize(862, 560));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));

    QTableView *view = grid();
    QCOMPARE(view->model()->columnCount(), columns);
    QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), someHeaders[0]);
    QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), someHeaders[1]);
    QCOMPARE(view->model()->headerData(columns - 1, Qt::Horizontal).toString(), someHeaders[2]);
    QVERIFY(view->alternatingRowColors());
    QCOMPARE(view->verticalHeader()->defaultSectionSize(), 21);
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);

    QCOMPARE(status(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    QVERIFY(child<QToolButton>(window, QStringLiteral("cmdEsporta"))->isEnabled());
    QCOMPARE(child<QPushButton>(window, QStringLiteral("btnEsportaXlsx"))->text(), QStringLiteral("Esporta .xlsx"));
    QVERIFY(child<QToolButton>(window, QStringLiteral("cmdEsci"))->isEnabled());
    // The guide comes with the guide window.
    QVERIFY(child<QToolButton>(window, QStringLiteral("cmdGuida"))->isEnabled());
    QVERIFY(child<QLabel>(window, QStringLiteral("imgTitolo"))->pixmap().width() > 0);
    QVERIFY(child<QLabel>(window, QStringLiteral("imgMano"))->pixmap().width() > 0);
}

void TestExportWindow::gridShowsTheArchive_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<QString>("archiveName");
    QTest::addColumn<QList<QByteArray>>("records");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("cells");  // that column, row by row
    QTest::newRow("landlord names") << ExportArchive::Locatori << "Archivio_Locatori.pro" << landlords() << 1
                                    << QStringList{"Rossi Mario", "Verdi <&> Luca", ""};
    QTest::newRow("landlord postal code") << ExportArchive::Locatori << "Archivio_Locatori.pro" << landlords() << 16
                                          << QStringList{"00184", "", ""};
    QTest::newRow("landlord municipality code") << ExportArchive::Locatori << "Archivio_Locatori.pro" << landlords()
                                                << 22 << QStringList{"H501", "", ""};
    QTest::newRow("landlord notes") << ExportArchive::Locatori << "Archivio_Locatori.pro" << landlords() << 12
                                    << QStringList{"", "Città", ""};
    QTest::newRow("row numbers") << ExportArchive::Locatori << "Archivio_Locatori.pro" << landlords() << 0
                                 << QStringList{"1", "2", "3"};
    QTest::newRow("tenants")
        << ExportArchive::Conduttori << "Archivio_Conduttori.pro"
        << QList<QByteArray>{ArchiveFixture::record(RecordLayouts::conduttore(), {{"Conduttore", "Bianchi"}}),
                             ArchiveFixture::record(RecordLayouts::conduttore(), {{"Conduttore", "Neri"}})}
        << 1 << QStringList{"Bianchi", "Neri"};
    QTest::newRow("contracts")
        << ExportArchive::Contratti << "Archivio_Contratti.pro"
        << QList<QByteArray>{ArchiveFixture::record(RecordLayouts::contratto(), {{"Data", "01/06/2026"}})}
        << 25 << QStringList{"01/06/2026"};
    QTest::newRow("receipts") << ExportArchive::Ricevute << "2026.ric"
                              << QList<QByteArray>{receipt("1", "Rossi"), receipt("2", "Verdi")} << 5
                              << QStringList{"Affitto", "Affitto"};
}

void TestExportWindow::gridShowsTheArchive()
{
    QFETCH(ExportArchive, archive);
    QFETCH(QString, archiveName);
    QFETCH(QList<QByteArray>, records);
    QFETCH(int, column);
    QFETCH(QStringList, cells);
    QVERIFY(ArchiveFixture::write(file(archiveName), records));
    openWindow(archive, archive == ExportArchive::Ricevute ? file(archiveName) : QString());
    QCOMPARE(grid()->model()->rowCount(), records.size());
    QStringList shown;
    for (int row = 0; row < records.size(); ++row)
        shown.append(grid()->model()->index(row, column).data().toString());
    QCOMPARE(shown, cells);
}

void TestExportWindow::emptyOrMissingArchiveShowsNoRows()
{
    QVERIFY(ArchiveFixture::write(file("Archivio_Contratti.pro"), {}));
    openWindow(ExportArchive::Contratti);
    QCOMPARE(grid()->model()->rowCount(), 0);

    // A missing archive is created empty, as every archive action does.
    QVERIFY(!QFile::exists(file("Archivio_Conduttori.pro")));
    openWindow(ExportArchive::Conduttori);
    QCOMPARE(grid()->model()->rowCount(), 0);
    QVERIFY(QFile::exists(file("Archivio_Conduttori.pro")));

    // An archive that cannot be read shows nothing, and says nothing.
    QVERIFY(QDir(m_platform->folder()).mkdir("Archivio_Locatori.pro"));
    openWindow(ExportArchive::Locatori);
    QCOMPARE(grid()->model()->rowCount(), 0);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestExportWindow::hints_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("export") << "cmdEsporta" << "Esporta l'archivio in formato Microsoft Excel.";
    QTest::newRow("xlsx") << "btnEsportaXlsx"
                          << "Esporta l'archivio in una cartella di lavoro .xlsx (Office Open XML), che i fogli di "
                             "calcolo aprono senza avvisi.";
    QTest::newRow("exit") << "cmdEsci" << "Esci da questo ambiente di lavoro.";
}

void TestExportWindow::hints()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    ExportWindow *window = openWindow(ExportArchive::Locatori);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget *button = child<QWidget>(window, control);
    CardTestTools::moveMouseOver(button);
    QCOMPARE(status(), hint);
    // The grid, its panel, the window and the title picture empty the line.
    const QStringList backgrounds = {"grdRecords", "panPulsanti", "imgTitolo", "imgMano"};
    for (const QString &name : backgrounds) {
        CardTestTools::moveMouseOver(button);
        QCOMPARE(status(), hint);
        CardTestTools::moveMouseOver(child<QWidget>(window, name));
        QVERIFY2(status().isEmpty(), qPrintable(name));
    }
    for (QWidget *part : {grid()->viewport(), static_cast<QWidget *>(grid()->horizontalHeader()),
                          grid()->horizontalHeader()->viewport()}) {
        CardTestTools::moveMouseOver(button);
        CardTestTools::moveMouseOver(part);
        QVERIFY(status().isEmpty());
    }
    CardTestTools::moveMouseOver(button);
    CardTestTools::moveMouseOver(window, QPoint(window->width() / 2, 70));
    QVERIFY(status().isEmpty());
}

void TestExportWindow::exportAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("opened");
    QTest::newRow(".xls, no") << "cmdEsporta" << "Archivio_Locatori.xls" << QList<bool>{false} << false << 1 << false;
    QTest::newRow(".xls, yes, do not open") << "cmdEsporta" << "Archivio_Locatori.xls" << QList<bool>{true, false}
                                            << true << 2 << false;
    QTest::newRow(".xls, yes, open") << "cmdEsporta" << "Archivio_Locatori.xls" << QList<bool>{true, true} << true
                                     << 2 << true;
    QTest::newRow(".xlsx, no") << "btnEsportaXlsx" << "Archivio_Locatori.xlsx" << QList<bool>{false} << false << 1
                               << false;
    QTest::newRow(".xlsx, yes, do not open") << "btnEsportaXlsx" << "Archivio_Locatori.xlsx"
                                             << QList<bool>{true, false} << true << 2 << false;
    QTest::newRow(".xlsx, yes, open") << "btnEsportaXlsx" << "Archivio_Locatori.xlsx" << QList<bool>{true, true}
                                      << true << 2 << true;
}

void TestExportWindow::exportAnswers()
{
    QFETCH(QString, button);
    QFETCH(QString, fileName);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, written);
    QFETCH(int, questions);
    QFETCH(bool, opened);
    QVERIFY(ArchiveFixture::write(file("Archivio_Locatori.pro"), landlords()));
    ExportWindow *window = openWindow(ExportArchive::Locatori);
    m_platform->answers = answers;
    qobject_cast<QAbstractButton *>(child<QWidget>(window, button))->click();

    QCOMPARE(QFile::exists(file(fileName)), written);
    QCOMPARE(m_platform->questions.size(), questions);
    QCOMPARE(m_platform->questions.value(0), ConfirmExport);
    if (questions > 1)
        QCOMPARE(m_platform->questions.value(1), OpenFile);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->shellCommands,
             opened ? QStringList{QLatin1Char('"') + file(fileName) + QLatin1Char('"')} : QStringList());
    // The window stays open for another export or the exit.
    QVERIFY(window->isVisible());
    if (!written)
        return;
    if (fileName.endsWith(QLatin1String(".xls"))) {
        const QByteArray bytes = bytesOf(fileName);
        QVERIFY(bytes.contains("<x:Name>Riepilogo Locatori</x:Name>"));
        QVERIFY(bytes.contains("<td class=t style=\"text-align: left;\">Verdi &lt;&amp;&gt; Luca</td>"));
        QVERIFY(bytes.contains("<td class=t style=\"text-align: left;\">Citt\xe0</td>"));
        QCOMPARE(bytes.count("<tr>"), 4);
    } else {
        const XlsxSheet sheet = XlsxSheet::read(file(fileName));
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.sheetNames, QStringList{"Riepilogo Locatori"});
        QCOMPARE(sheet.cells.size(), 4);
        QCOMPARE(sheet.cells[1][15].text, QStringLiteral("00184"));
        QCOMPARE(sheet.cells[2][0].text, QStringLiteral("Verdi <&> Luca"));
    }
}

void TestExportWindow::exportWritesTheGridNotTheArchive()
{
    QVERIFY(ArchiveFixture::write(file("Archivio_Locatori.pro"), landlords()));
    ExportWindow *window = openWindow(ExportArchive::Locatori);
    // A record saved meanwhile by another copy of the program is not in
    // the grid, so not in the file either.
    QFile archive(file("Archivio_Locatori.pro"));
    QVERIFY(archive.open(QIODevice::Append));
    const QByteArray late = ArchiveFixture::record(RecordLayouts::locatore(), {{"Locatore", "Arrivato dopo"}});
    QCOMPARE(archive.write(late), late.size());
    archive.close();
    m_platform->answers = {true, false};
    child<QToolButton>(window, QStringLiteral("cmdEsporta"))->click();
    const QByteArray bytes = bytesOf("Archivio_Locatori.xls");
    QVERIFY(bytes.contains("Rossi Mario"));
    QVERIFY(!bytes.contains("Arrivato dopo"));
    // The row number is the grid's own: never exported.
    QVERIFY(!bytes.contains("N.</td>"));
    QCOMPARE(bytes.count("<tr>"), 4);
}

void TestExportWindow::failedExportShowsTheMessage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fileName");
    QTest::newRow(".xls") << "cmdEsporta" << "Ricevute.xls";
    QTest::newRow(".xlsx") << "btnEsportaXlsx" << "Ricevute.xlsx";
}

void TestExportWindow::failedExportShowsTheMessage()
{
    QFETCH(QString, button);
    QFETCH(QString, fileName);
    QVERIFY(ArchiveFixture::write(file("2026.ric"), {receipt("1", "Rossi")}));
    // A folder in the place of the file: it cannot be replaced, whoever
    // runs the program.
    QVERIFY(QDir(m_platform->folder()).mkdir(fileName));
    ExportWindow *window = openWindow(ExportArchive::Ricevute, file("2026.ric"));
    m_platform->answers = {true, true};
    qobject_cast<QAbstractButton *>(child<QWidget>(window, button))->click();
    QCOMPARE(m_platform->questions, QStringList{ConfirmExport});
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Plain);
    QCOMPARE(m_platform->lastMessage().text, ExportFailed);
    QVERIFY(m_platform->shellCommands.isEmpty());
    QVERIFY(QFileInfo(file(fileName)).isDir());
    QVERIFY(window->isVisible());
}

void TestExportWindow::exitClosesTheWindow()
{
    ExportWindow *window = openWindow(ExportArchive::Contratti);
    QVERIFY(window->isVisible());
    child<QToolButton>(window, QStringLiteral("cmdEsci"))->click();
    QVERIFY(!window->isVisible());
}

void TestExportWindow::launcherOpensTheWindowOfEachArchive_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("archiveName");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("landlords") << ExportArchive::Locatori << "TfrmExpLocatori" << "Archivio_Locatori.pro"
                               << ArchiveFixture::record(RecordLayouts::locatore(), {});
    QTest::newRow("tenants") << ExportArchive::Conduttori << "TfrmExpConduttori" << "Archivio_Conduttori.pro"
                             << ArchiveFixture::record(RecordLayouts::conduttore(), {});
    QTest::newRow("contracts") << ExportArchive::Contratti << "TfrmExpContratti" << "Archivio_Contratti.pro"
                               << ArchiveFixture::record(RecordLayouts::contratto(), {});
    QTest::newRow("receipts") << ExportArchive::Ricevute << "TfrmExpRic" << "2031.ric" << receipt("1", "Rossi");
}

void TestExportWindow::launcherOpensTheWindowOfEachArchive()
{
    QFETCH(ExportArchive, archive);
    QFETCH(QString, className);
    QFETCH(QString, archiveName);
    QFETCH(QByteArray, record);
    QVERIFY(ArchiveFixture::write(file(archiveName), {record, record}));
    TfrmRicevuta receipts;
    receipts.setArchiveFile(file("2031.ric"));
    QWidget *card = archive == ExportArchive::Ricevute ? static_cast<QWidget *>(&receipts) : m_owner.get();

    QString opened;
    QWidget *parent = nullptr;
    bool modal = false;
    int rows = -1;
    QPointer<QWidget> window;
    CardTestTools::onNextModal([&](QWidget *shown) {
        window = shown;
        opened = QString::fromLatin1(shown->metaObject()->className());
        parent = shown->parentWidget();
        modal = shown->isModal();
        rows = child<QTableView>(shown, QStringLiteral("grdRecords"))->model()->rowCount();
        child<QToolButton>(shown, QStringLiteral("cmdEsci"))->click();
    });
    openExportWindow(card, archive);
    QCOMPARE(opened, className);
    QCOMPARE(parent, card);
    QVERIFY(modal);
    QCOMPARE(rows, 2);
    // Created for one use: gone once closed.
    QVERIFY(window.isNull());
    QVERIFY(card->findChildren<ExportWindow *>().isEmpty());
}

void TestExportWindow::receiptYearsInTurnLeaveTheSecond()
{
    QVERIFY(ArchiveFixture::write(file("2025.ric"), {receipt("1", "Pagatore del 2025"), receipt("2", "Altro del 2025")}));
    QVERIFY(ArchiveFixture::write(file("2026.ric"), {receipt("1", "Pagatore del 2026")}));
    TfrmRicevuta receipts;
    for (const QString &year : {QStringLiteral("2025"), QStringLiteral("2026")}) {
        receipts.setArchiveFile(file(year + QStringLiteral(".ric")));
        for (const QString &button : {QStringLiteral("cmdEsporta"), QStringLiteral("btnEsportaXlsx")}) {
            m_platform->answers = {true, false};
            CardTestTools::onNextModal([&button](QWidget *shown) {
                qobject_cast<QAbstractButton *>(child<QWidget>(shown, button))->click();
            });
            openExportWindow(&receipts, ExportArchive::Ricevute);
        }
    }
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->questions.size(), 8);
    const QByteArray xls = bytesOf("Ricevute.xls");
    QVERIFY(xls.contains("Pagatore del 2026"));
    QVERIFY(!xls.contains("2025"));
    QCOMPARE(xls.count("<tr>"), 2);
    const XlsxSheet sheet = XlsxSheet::read(file("Ricevute.xlsx"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.cells.size(), 2);
    QCOMPARE(sheet.cells[1][2].text, QStringLiteral("Pagatore del 2026"));
    // One file for every year.
    QCOMPARE(QDir(m_platform->folder()).entryList({"Ricevute*"}, QDir::Files),
             (QStringList{"Ricevute.xls", "Ricevute.xlsx"}));
}

// Long steps show a progress dialog, gone again when the step ends.
void TestExportWindow::progressShowsForLongSteps()
{
    QList<QByteArray> records;
    for (int i = 1; i <= 6000; ++i)
        records.append(receipt(QByteArray::number(i), "Rossi"));
    QVERIFY(ArchiveFixture::write(file("2026.ric"), records));
    ExportProgressIndicator::setDelayMs(0);

    struct ShowWatcher : QObject
    {
        int progressShown = 0;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show && qobject_cast<QProgressDialog *>(watched))
                ++progressShown;
            return false;
        }
    } watcher;
    qApp->installEventFilter(&watcher);
    ExportWindow *window = openWindow(ExportArchive::Ricevute, file("2026.ric"));
    const int whileReading = watcher.progressShown;
    m_platform->answers = {true, false};
    child<QToolButton>(window, QStringLiteral("cmdEsporta"))->click();
    qApp->removeEventFilter(&watcher);

    QCOMPARE(grid()->model()->rowCount(), 6000);
    QVERIFY(whileReading >= 1);
    QVERIFY(watcher.progressShown > whileReading);
    QVERIFY(window->findChildren<QProgressDialog *>().isEmpty());
}

void TestExportWindow::progressWaitsBeforeShowing()
{
    ExportProgressIndicator::setDelayMs(60000);
    {
        ExportProgressIndicator progress(m_owner.get(), QStringLiteral("Lettura"));
        progress.callback()(0, 10);
        progress.callback()(5, 10);
        QVERIFY(!progress.wasShown());
        QVERIFY(m_owner->findChildren<QProgressDialog *>().isEmpty());
    }
    ExportProgressIndicator::setDelayMs(0);
    {
        ExportProgressIndicator progress(m_owner.get(), QStringLiteral("Lettura"));
        progress.callback()(5, 10);
        QVERIFY(progress.wasShown());
        auto *dialog = m_owner->findChild<QProgressDialog *>();
        QVERIFY(dialog);
        QCOMPARE(dialog->labelText(), QStringLiteral("Lettura"));
        QCOMPARE(dialog->value() * 2, dialog->maximum());
        progress.callback()(10, 10);
        QCOMPARE(dialog->value(), dialog->maximum());
    }
    QVERIFY(m_owner->findChildren<QProgressDialog *>().isEmpty());
}

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
