#include "SearchFixture.h"
#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/lists/FindWalk.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryLineModel.h"
#include "widgets/contracts/TfrmContratti.h"
#include "widgets/landlords/TfrmLocatori.h"
#include "widgets/receipts/TfrmRicevuta.h"
#include "widgets/search/OpenSearch.h"
#include "widgets/search/SearchWindows.h"
#include "widgets/tenants/TfrmConduttori.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

using CardTestTools::control;

Q_DECLARE_METATYPE(SearchArchive)

namespace {

const QString kAccessDenied = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

const QString kReceipts = QStringLiteral("2026.ric");

std::unique_ptr<CardWindow> cardFor(SearchArchive archive, FakePlatform &platform)
{
    switch (archive) {
    case SearchArchive::Tenants: return std::make_unique<TfrmConduttori>();
    case SearchArchive::Landlords: return std::make_unique<TfrmLocatori>();
    case SearchArchive::Contracts: return std::make_unique<TfrmContratti>();
    case SearchArchive::Receipts: {
        auto receipts = std::make_unique<TfrmRicevuta>();
        receipts->setArchiveFile(platform.filePath(kReceipts));
        // The search takes the path from the label, trimmed.
        receipts->findChild<QLabel *>(QStringLiteral("lblFile"))
            ->setText(QStringLiteral(" ") + platform.filePath(kReceipts) + QStringLiteral(" "));
        return receipts;
    }
    }
    return nullptr;
}

std::unique_ptr<SearchWindow> searchFor(SearchArchive archive, CardWindow *card)
{
    std::unique_ptr<SearchWindow> window;
    switch (archive) {
    case SearchArchive::Tenants: window = std::make_unique<TfrmTrovaConduttori>(card); break;
    case SearchArchive::Landlords: window = std::make_unique<TfrmTrovaLocatori>(card); break;
    case SearchArchive::Contracts: window = std::make_unique<TfrmTrovaContratti>(card); break;
    case SearchArchive::Receipts: window = std::make_unique<TfrmTrovaRic>(card); break;
    }
    window->setCallerTag(QString::fromLatin1(window->definition().callerTag));
    return window;
}

QString archiveFile(SearchArchive archive, FakePlatform &platform)
{
    const QString name = SearchArchives::definition(archive).layout().archiveName();
    return platform.filePath(name.isEmpty() ? kReceipts : name);
}

// The name field of each archive's card, and its line's first field.
QString keyField(SearchArchive archive)
{
    switch (archive) {
    case SearchArchive::Tenants:
    case SearchArchive::Contracts: return QStringLiteral("Conduttore");
    case SearchArchive::Landlords: return QStringLiteral("Locatore");
    case SearchArchive::Receipts: return QStringLiteral("NumRic");
    }
    return QString();
}

// A field each card has that its line does not show.
QString hiddenField(SearchArchive archive)
{
    switch (archive) {
    case SearchArchive::Tenants:
    case SearchArchive::Landlords: return QStringLiteral("Note");
    case SearchArchive::Contracts: return QStringLiteral("Pattuizioni");
    case SearchArchive::Receipts: return QStringLiteral("Causale02");
    }
    return QString();
}

Record cardRecord(SearchArchive archive, const QString &key, const QString &hidden = QString())
{
    Record record(SearchArchives::definition(archive).layout());
    record.setValue(keyField(archive), key);
    record.setValue(hiddenField(archive), hidden);
    return record;
}

QStringList listedLines(const SearchWindow &window)
{
    return window.model().lines().toStringList();
}

// The view lays its lines out a moment after they change.
void doubleClickRow(QListView *list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    QTRY_VERIFY(list->visualRect(index).isValid());
    const QPoint at = list->visualRect(index).center();
    // The first click selects the line, the second press of a double click
    // arrives as the double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

QLineEdit *criterion(const SearchWindow &window, const char *name)
{
    return control<QLineEdit>(&window, QString::fromLatin1(name));
}

} // namespace

// The four search windows over real card windows and small archives.
class TestSearchWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowOfEachArchive_data();
    void windowOfEachArchive();
    void enterMovesThroughTheCriteriaAndWraps();
    void searchWithoutCriteriaOverAMissingArchive_data();
    void searchWithoutCriteriaOverAMissingArchive();
    void searchListsTheMatchesSorted();
    void receiptSearchKeepsTheArchiveOrder();
    void doubleClickLoadsTheLaterOfTwoEqualLines_data();
    void doubleClickLoadsTheLaterOfTwoEqualLines();
    void doubleClickNeedsTheCardsTag();
    void doubleClickWithNoLineSelectedCloses();
    void failedSearchStaysOnTheCriteria();
    void findWalksTheResults();
    void findOnAnEmptyList();
    void findTextIsEmptiedWhenShown();
    void listDrawsWideLinesInAFixedFont();
    void windowAnswersWhileReading();
    void closingWhileReadingStopsTheSearch();
    void openSearchFromTheCardWindow();

private:
    FakePlatform *m_platform = nullptr;
};

void TestSearchWindows::init()
{
    m_platform = new FakePlatform;
    SummaryListWindow::setReadingPace(ArchiveScanner::kDefaultBlockBytes, 40);
}

void TestSearchWindows::cleanup()
{
    delete m_platform;
}

void TestSearchWindows::windowOfEachArchive_data()
{
    QTest::addColumn<SearchArchive>("archive");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstField");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QStringList>("instructionLabels");

    const QString hint = QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda");
    QTest::newRow("tenants") << SearchArchive::Tenants << "TfrmTrovaConduttori" << " Trova Conduttori in archivio"
                             << "txtConduttore" << hint << QStringList{};
    QTest::newRow("landlords") << SearchArchive::Landlords << "TfrmTrovaLocatori"
                               << " Trova Locatori e immobili in archivio" << "txtLocatore" << hint << QStringList{};
    QTest::newRow("contracts") << SearchArchive::Contracts << "TfrmTrovaContratti" << " Trova contratti in archivio"
                               << "txtLocatore" << hint << QStringList{};
    QTest::newRow("receipts") << SearchArchive::Receipts << "TfrmTrovaRic" << " Trova ricevute in archivio"
                              << "txtNumRic"
                              << "Fare doppio clic sulla voce in elenco per richiamare la scheda"
                              << QStringList{"lblRigo01", "lblRigo02", "lblRigo04", "lblRigo05", "lblRigo06"};
}

void TestSearchWindows::windowOfEachArchive()
{
    QFETCH(SearchArchive, archive);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, firstField);
    QFETCH(QString, hint);
    QFETCH(QStringList, instructionLabels);
    auto card = cardFor(archive, *m_platform);
    auto window = searchFor(archive, card.get());
    QCOMPARE(QString::fromLatin1(window->metaObject()->className()), className);
    QCOMPARE(window->objectName(), QStringLiteral("frm") + className.mid(4));
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->parentWidget(), card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    QCOMPARE(window->size(), QSize(862, 560));

    QVERIFY(control<QWidget>(window.get(), QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!control<QWidget>(window.get(), QStringLiteral("panContainer"))->isVisible());
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(window.get(), firstField));
    const auto &criteria = window->definition().criteria;
    QCOMPARE(window->criteriaFields().size(), criteria.size());
    for (std::size_t i = 0; i < criteria.size(); ++i) {
        const QString name = QString::fromLatin1(criteria[i].control);
        QCOMPARE(window->criteriaFields()[i]->objectName(), name);
        QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblTesto") + name.mid(3))->text(),
                 QString::fromUtf8(criteria[i].label));
        QVERIFY(control<QWidget>(window.get(), QStringLiteral("eff") + name.mid(3)));
    }
    auto *wait = control<QLabel>(window.get(), QStringLiteral("lblAttendere"));
    QCOMPARE(wait->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
    QVERIFY(wait->isHidden());
    QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 0 schede"));
    QVERIFY(control<QLabel>(window.get(), QStringLiteral("lblConta"))->isHidden());
    QVERIFY(control<QLabel>(window.get(), QStringLiteral("lblMemory"))->isHidden());
    QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblRigo03"))->text(), hint);
    QCOMPARE(control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->text(), QStringLiteral("Cerca"));
    QCOMPARE(control<QPushButton>(window.get(), QStringLiteral("btnAnnulla"))->text(), QStringLiteral("Chiudi"));
    QCOMPARE(control<QPushButton>(window.get(), QStringLiteral("btnChiudi"))->text(), QStringLiteral("Chiudi"));
    QCOMPARE(control<QPushButton>(window.get(), QStringLiteral("btnTrova"))->text(), QStringLiteral("Trova"));
    // The summary prints on the report engine.
    for (const char *name : {"btnStampa", "btnAnteprima"})
        QVERIFY(control<QPushButton>(window.get(), QString::fromLatin1(name))->isEnabled());
    QCOMPARE(control<QPushButton>(window.get(), QStringLiteral("btnStampa"))->text(), QStringLiteral("Stampa"));
    QCOMPARE(control<QPushButton>(window.get(), QStringLiteral("btnAnteprima"))->text(), QStringLiteral("Anteprima"));
    for (const QString &name : instructionLabels)
        QVERIFY(control<QLabel>(window.get(), name));
    if (instructionLabels.isEmpty()) {
        for (const char *name : {"imgSpiega", "icoIstruzioni", "icoTrova01", "imgLogo"})
            QVERIFY(control<QLabel>(window.get(), QString::fromLatin1(name)));
    } else {
        QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblRigo05"))->text(),
                 QStringLiteral("Lasciare in bianco tutti gli altri campi."));
        QVERIFY(control<QLabel>(window.get(), QStringLiteral("icoTrova02")));
    }
}

void TestSearchWindows::enterMovesThroughTheCriteriaAndWraps()
{
    auto card = cardFor(SearchArchive::Contracts, *m_platform);
    auto window = searchFor(SearchArchive::Contracts, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    const auto &fields = window->criteriaFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        QCOMPARE(QApplication::focusWidget(), fields[i]);
        if (i + 1 < fields.size())
            QCOMPARE(CardTestTools::nextTabStop(fields[i]), fields[i + 1]);
        QTest::keyClick(fields[i], Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), fields.front());
    // Enter never reached a button: the search has not run.
    QVERIFY(!QFile::exists(m_platform->filePath(QStringLiteral("Archivio_Contratti.pro"))));
    QVERIFY(window->isVisible());
}

void TestSearchWindows::searchWithoutCriteriaOverAMissingArchive_data()
{
    QTest::addColumn<SearchArchive>("archive");
    QTest::addColumn<QString>("count");
    QTest::newRow("tenants") << SearchArchive::Tenants << "Il presente riepilogo contiene 0 schede";
    QTest::newRow("landlords") << SearchArchive::Landlords << "Il presente riepilogo contiene 0 schede";
    QTest::newRow("contracts") << SearchArchive::Contracts << "Il presente riepilogo contiene 0 schede";
    QTest::newRow("receipts") << SearchArchive::Receipts << "Il presente riepilogo contiene 0 schede.";
}

void TestSearchWindows::searchWithoutCriteriaOverAMissingArchive()
{
    QFETCH(SearchArchive, archive);
    QFETCH(QString, count);
    auto card = cardFor(archive, *m_platform);
    auto window = searchFor(archive, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    QVERIFY(!QFile::exists(archiveFile(archive, *m_platform)));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    QVERIFY(QFile::exists(archiveFile(archive, *m_platform)));
    QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblTrovate"))->text(), count);
    QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblConta"))->text(), QStringLiteral("0"));
    QVERIFY(!control<QWidget>(window.get(), QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(control<QWidget>(window.get(), QStringLiteral("panContainer"))->isVisible());
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(window.get(), QStringLiteral("txtTrova")));
    QCOMPARE(window->model().rowCount(), 0);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestSearchWindows::searchListsTheMatchesSorted()
{
    const RecordLayout &layout = RecordLayouts::locatore();
    const auto landlord = [&](const char *name, const char *town, const char *rooms) {
        return SearchFixture::record(layout, {{"Locatore", QString::fromUtf8(name)},
                                               {"ComuneImm", QString::fromUtf8(town)},
                                               {"Vani", QString::fromUtf8(rooms)}});
    };
    const QList<Record> records = {
        landlord("VERDI GIUSEPPE", "Perugia", "3"), landlord("bianchi anna", "PERUGIA centro", "3"),
        landlord("ROSSI MARIO", "Assisi", "3"),     landlord("Neri Paolo", "Perugia", "2"),
        landlord("ALBERTI LUCA", "perugia", "3"),
    };
    QVERIFY(SearchFixture::write(m_platform->filePath(QStringLiteral("Archivio_Locatori.pro")), records));
    auto card = cardFor(SearchArchive::Landlords, *m_platform);
    auto window = searchFor(SearchArchive::Landlords, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    KeyInput::typeText(criterion(*window, "txtComuneImm"), QStringLiteral("perUGIA"));
    KeyInput::typeText(criterion(*window, "txtVani"), QStringLiteral("3"));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();

    const SummaryLineBuilder builder(SummaryLayouts::landlords(), layout);
    QCOMPARE(listedLines(*window), (QStringList{builder.line(records.at(4)), builder.line(records.at(1)),
                                                builder.line(records.at(0))}));
    QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblConta"))->text(), QStringLiteral("2"));
    QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 3 schede"));
}

void TestSearchWindows::receiptSearchKeepsTheArchiveOrder()
{
    const QList<Record> records = {
        cardRecord(SearchArchive::Receipts, "3"), cardRecord(SearchArchive::Receipts, "1"),
        cardRecord(SearchArchive::Receipts, "20"), cardRecord(SearchArchive::Receipts, "2"),
    };
    QVERIFY(SearchFixture::write(m_platform->filePath(kReceipts), records));
    auto card = cardFor(SearchArchive::Receipts, *m_platform);
    auto window = searchFor(SearchArchive::Receipts, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    QStringList numbers;
    for (const QString &line : listedLines(*window))
        numbers.append(line.mid(8, 15).trimmed());
    QCOMPARE(numbers, (QStringList{"3", "1", "20", "2"}));
    QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 4 schede."));
}

void TestSearchWindows::doubleClickLoadsTheLaterOfTwoEqualLines_data()
{
    QTest::addColumn<SearchArchive>("archive");
    QTest::newRow("tenants") << SearchArchive::Tenants;
    QTest::newRow("landlords") << SearchArchive::Landlords;
    QTest::newRow("contracts") << SearchArchive::Contracts;
    QTest::newRow("receipts") << SearchArchive::Receipts;
}

void TestSearchWindows::doubleClickLoadsTheLaterOfTwoEqualLines()
{
    QFETCH(SearchArchive, archive);
    // Records 2 and 4 give the same line; they differ in a field the line
    // does not show.
    QVERIFY(SearchFixture::write(archiveFile(archive, *m_platform),
                                  {cardRecord(archive, "AAA", "first"), cardRecord(archive, "BBB", "second"),
                                   cardRecord(archive, "CCC", "third"), cardRecord(archive, "BBB", "fourth")}));
    auto card = cardFor(archive, *m_platform);
    card->setFieldText(keyField(archive), QStringLiteral("on screen before"));
    auto window = searchFor(archive, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    const QStringList lines = listedLines(*window);
    QCOMPARE(lines.size(), 4);
    // BBB is the second line, sorted or in archive order.
    const int row = 1;
    QVERIFY(lines.at(row).startsWith(archive == SearchArchive::Receipts ? QStringLiteral("Ric. n. BBB")
                                                                        : QStringLiteral("BBB")));

    doubleClickRow(window->listView(), row);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Accepted));
    QCOMPARE(card->fieldText(keyField(archive)), QStringLiteral("BBB"));
    QCOMPARE(card->fieldText(hiddenField(archive)), QStringLiteral("fourth"));
    QCOMPARE(control<QLabel>(card.get(), QStringLiteral("lblPosizione"))->text(), QStringLiteral("4"));
    // Closing empties the list.
    QCOMPARE(window->model().rowCount(), 0);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestSearchWindows::doubleClickNeedsTheCardsTag()
{
    QVERIFY(SearchFixture::write(archiveFile(SearchArchive::Tenants, *m_platform),
                                  {cardRecord(SearchArchive::Tenants, "ROSSI", "notes")}));
    auto card = cardFor(SearchArchive::Tenants, *m_platform);
    auto window = searchFor(SearchArchive::Tenants, card.get());
    window->setCallerTag(QStringLiteral("locatori"));
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    doubleClickRow(window->listView(), 0);
    QVERIFY(!window->isVisible());
    QVERIFY(card->fieldText(QStringLiteral("Conduttore")).isEmpty());
    QVERIFY(control<QLabel>(card.get(), QStringLiteral("lblPosizione"))->text().isEmpty());

    // The tag is compared trimmed.
    auto again = searchFor(SearchArchive::Tenants, card.get());
    again->setCallerTag(QStringLiteral(" conduttori "));
    QVERIFY(CardTestTools::showAndActivate(again.get()));
    control<QPushButton>(again.get(), QStringLiteral("btnCerca"))->click();
    doubleClickRow(again->listView(), 0);
    QCOMPARE(card->fieldText(QStringLiteral("Conduttore")), QStringLiteral("ROSSI"));
}

void TestSearchWindows::doubleClickWithNoLineSelectedCloses()
{
    QVERIFY(SearchFixture::write(archiveFile(SearchArchive::Tenants, *m_platform),
                                  {cardRecord(SearchArchive::Tenants, "ROSSI")}));
    auto card = cardFor(SearchArchive::Tenants, *m_platform);
    auto window = searchFor(SearchArchive::Tenants, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    QListView *list = window->listView();
    // Below the only line.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, list->viewport()->height() - 5));
    QVERIFY(!window->isVisible());
    QVERIFY(card->fieldText(QStringLiteral("Conduttore")).isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestSearchWindows::failedSearchStaysOnTheCriteria()
{
    // A folder where the archive should be: it can be neither opened nor
    // created.
    QVERIFY(QDir(m_platform->folder()).mkdir(QStringLiteral("Archivio_Locatori.pro")));
    auto card = cardFor(SearchArchive::Landlords, *m_platform);
    auto window = searchFor(SearchArchive::Landlords, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Plain);
    QCOMPARE(m_platform->lastMessage().text, kAccessDenied);
    QVERIFY(control<QWidget>(window.get(), QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!control<QWidget>(window.get(), QStringLiteral("panContainer"))->isVisible());
    QVERIFY(control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->isEnabled());
    QVERIFY(window->isVisible());
}

void TestSearchWindows::findWalksTheResults()
{
    QVERIFY(SearchFixture::write(archiveFile(SearchArchive::Tenants, *m_platform),
                                  {SearchFixture::record(RecordLayouts::conduttore(), {{"Conduttore", "ALFA"}, {"ComuneImm", "Milano"}}),
                                   SearchFixture::record(RecordLayouts::conduttore(), {{"Conduttore", "BETA"}, {"ComuneImm", "ROMA"}}),
                                   SearchFixture::record(RecordLayouts::conduttore(), {{"Conduttore", "GAMMA"}, {"ComuneImm", "Torino"}}),
                                   SearchFixture::record(RecordLayouts::conduttore(), {{"Conduttore", "DELTA"}, {"ComuneImm", "Roma"}})}));
    auto card = cardFor(SearchArchive::Tenants, *m_platform);
    auto window = searchFor(SearchArchive::Tenants, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    // Sorted: ALFA, BETA, DELTA, GAMMA.
    auto *find = control<QLineEdit>(window.get(), QStringLiteral("txtTrova"));
    auto *trova = control<QPushButton>(window.get(), QStringLiteral("btnTrova"));
    const auto selected = [&] {
        const QModelIndexList rows = window->listView()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    };
    QCOMPARE(selected(), -1);
    KeyInput::typeText(find, QStringLiteral("roma"));
    // Enter only moves to the button.
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), trova);
    QCOMPARE(selected(), -1);
    QTest::keyClick(trova, Qt::Key_Return);
    QCOMPARE(selected(), 1);
    trova->click();
    QCOMPARE(selected(), 2);
    trova->click();
    QCOMPARE(selected(), 1);
    find->setText(QStringLiteral("torino"));
    trova->click();
    QCOMPARE(selected(), 3);
    find->setText(QStringLiteral("napoli"));
    trova->click();
    QCOMPARE(selected(), 3);
    QCOMPARE(FindWalk::rememberedText("TfrmTrovaConduttori"), QStringLiteral("napoli"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestSearchWindows::findOnAnEmptyList()
{
    auto card = cardFor(SearchArchive::Contracts, *m_platform);
    auto window = searchFor(SearchArchive::Contracts, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    control<QLineEdit>(window.get(), QStringLiteral("txtTrova"))->setText(QStringLiteral("roma"));
    control<QPushButton>(window.get(), QStringLiteral("btnTrova"))->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Plain);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    QVERIFY(window->isVisible());
}

void TestSearchWindows::findTextIsEmptiedWhenShown()
{
    FindWalk::rememberedText("TfrmTrovaLocatori") = QStringLiteral("roma");
    FindWalk::rememberedText("TfrmTrovaConduttori") = QStringLiteral("milano");
    auto card = cardFor(SearchArchive::Landlords, *m_platform);
    auto window = searchFor(SearchArchive::Landlords, card.get());
    control<QLineEdit>(window.get(), QStringLiteral("txtTrova"))->setText(QStringLiteral("roma"));
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    QVERIFY(FindWalk::rememberedText("TfrmTrovaLocatori").isEmpty());
    QVERIFY(control<QLineEdit>(window.get(), QStringLiteral("txtTrova"))->text().isEmpty());
    // Another class keeps its own.
    QCOMPARE(FindWalk::rememberedText("TfrmTrovaConduttori"), QStringLiteral("milano"));
}

void TestSearchWindows::listDrawsWideLinesInAFixedFont()
{
    QVERIFY(SearchFixture::write(archiveFile(SearchArchive::Tenants, *m_platform),
                                  {cardRecord(SearchArchive::Tenants, "ROSSI")}));
    auto card = cardFor(SearchArchive::Tenants, *m_platform);
    auto window = searchFor(SearchArchive::Tenants, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    QListView *list = window->listView();
    QCOMPARE(list->objectName(), QStringLiteral("lstRecords"));
    QCOMPARE(list->visualRect(list->model()->index(0, 0)).width(), 1600);
    QCOMPARE(list->font().family(), QStringLiteral("Courier New"));
    QVERIFY(list->font().families().contains(QStringLiteral("Liberation Mono")));
    QCOMPARE(list->font().pointSize(), 12);
    QVERIFY(QFontInfo(list->font()).fixedPitch());
    QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QTRY_VERIFY(list->horizontalScrollBar()->maximum() > 0);
}

void TestSearchWindows::windowAnswersWhileReading()
{
    QList<Record> records;
    for (int i = 0; i < 60; ++i)
        records.append(cardRecord(SearchArchive::Tenants, QStringLiteral("INQUILINO %1").arg(i)));
    QVERIFY(SearchFixture::write(archiveFile(SearchArchive::Tenants, *m_platform), records));
    // A block a record, and the window answering after each.
    SummaryListWindow::setReadingPace(1, 0);
    auto card = cardFor(SearchArchive::Tenants, *m_platform);
    auto window = searchFor(SearchArchive::Tenants, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));

    bool answered = false;
    QTimer::singleShot(0, window.get(), [&] {
        answered = true;
        QVERIFY(window->isBusy());
        QVERIFY(control<QLabel>(window.get(), QStringLiteral("lblAttendere"))->isVisible());
        auto *progress = control<QProgressBar>(window.get(), QStringLiteral("prgRicerca"));
        QVERIFY(progress->isVisible());
        QVERIFY(progress->value() > 0 && progress->value() < progress->maximum());
        QVERIFY(!control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->isEnabled());
        // Pressing Trova or double-clicking meanwhile does nothing.
        control<QPushButton>(window.get(), QStringLiteral("btnTrova"))->click();
        QVERIFY(m_platform->messages.isEmpty());
    });
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    QVERIFY(answered);
    QVERIFY(!window->isBusy());
    QCOMPARE(window->model().rowCount(), 60);
    QVERIFY(control<QWidget>(window.get(), QStringLiteral("panContainer"))->isVisible());
    QVERIFY(control<QProgressBar>(window.get(), QStringLiteral("prgRicerca"))->isHidden());
}

void TestSearchWindows::closingWhileReadingStopsTheSearch()
{
    QList<Record> records(60, cardRecord(SearchArchive::Tenants, QStringLiteral("ROSSI")));
    QVERIFY(SearchFixture::write(archiveFile(SearchArchive::Tenants, *m_platform), records));
    SummaryListWindow::setReadingPace(1, 0);
    auto card = cardFor(SearchArchive::Tenants, *m_platform);
    auto window = searchFor(SearchArchive::Tenants, card.get());
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    QTimer::singleShot(0, window.get(), [&] {
        control<QPushButton>(window.get(), QStringLiteral("btnAnnulla"))->click();
        // The window waits for the reading to stop at its next block.
        QVERIFY(window->isVisible());
    });
    control<QPushButton>(window.get(), QStringLiteral("btnCerca"))->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Rejected));
    QCOMPARE(window->model().rowCount(), 0);
    QVERIFY(!control<QWidget>(window.get(), QStringLiteral("panContainer"))->isVisible());
    QVERIFY(control<QLabel>(window.get(), QStringLiteral("lblAttendere"))->isHidden());
}

void TestSearchWindows::openSearchFromTheCardWindow()
{
    QVERIFY(SearchFixture::write(archiveFile(SearchArchive::Landlords, *m_platform),
                                  {cardRecord(SearchArchive::Landlords, "ROSSI", "one"),
                                   cardRecord(SearchArchive::Landlords, "BIANCHI", "two")}));
    auto card = cardFor(SearchArchive::Landlords, *m_platform);
    QVERIFY(CardTestTools::showAndActivate(card.get()));
    QString seenName;
    QString seenTag;
    QWidget *seenOwner = nullptr;
    CardTestTools::onNextModal([&](QWidget *modal) {
        seenName = modal->objectName();
        seenOwner = modal->parentWidget();
        seenTag = control<QLabel>(modal, QStringLiteral("lblMemory"))->text();
        control<QPushButton>(modal, QStringLiteral("btnCerca"))->click();
        auto *list = control<QListView>(modal, QStringLiteral("lstRecords"));
        // Sorted: BIANCHI, ROSSI.
        doubleClickRow(list, 1);
    });
    openSearch(card.get(), SearchArchive::Landlords);
    QCOMPARE(seenName, QStringLiteral("frmTrovaLocatori"));
    QCOMPARE(seenOwner, card.get());
    QCOMPARE(seenTag, QStringLiteral("locatori"));
    QCOMPARE(card->fieldText(QStringLiteral("Locatore")), QStringLiteral("ROSSI"));
    QCOMPARE(card->fieldText(QStringLiteral("Note")), QStringLiteral("one"));
    QCOMPARE(control<QLabel>(card.get(), QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    // The window was destroyed with the call.
    QVERIFY(!card->findChild<QDialog *>());
}

QTEST_MAIN(TestSearchWindows)
#include "tst_searchwindows.moc"
