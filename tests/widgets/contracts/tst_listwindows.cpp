#include "CardTestTools.h"
#include "FakePlatform.h"
#include "SearchFixture.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryLineModel.h"
#include "widgets/contracts/ContractLists.h"
#include "widgets/contracts/ImportWindow.h"
#include "widgets/contracts/TfrmContratti.h"
#include "widgets/contracts/TfrmSospesi.h"
#include "widgets/receipts/TfrmRicevuta.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using CardTestTools::control;

namespace {

const QString kLandlords = QStringLiteral("Archivio_Locatori.pro");
const QString kTenants = QStringLiteral("Archivio_Conduttori.pro");
const QString kContracts = QStringLiteral("Archivio_Contratti.pro");

// The landlord fields the import copies into a contract.
const QStringList kLandlordCopied = {
    "Locatore", "LuogoNascLoc", "ProvNascLoc", "DataNascLoc", "CodFiscLoc", "ComuneDom", "ProvDom",
    "ViaDom", "CapLoc", "ComuneImm", "ProvImm", "ViaImm", "CapImm", "Scala", "Interno", "Piano", "Vani",
    "Accessori", "Posti", "CodComune", "SezUrb", "Foglio", "Particella", "Subalterno", "Superficie", "Spese",
};
const QStringList kTenantCopied = {
    "Conduttore", "LuogoNascCon", "ProvNascCon", "DataNascCon", "CodFiscCon", "ComuneRes", "ProvRes",
    "ViaRes", "CapCon", "Documento", "Persone",
};

// Every field of the record holds a text of its own that fits it (the
// province fields take two letters), the name field `name`.
Record everyFieldFilled(const RecordLayout &layout, const QString &nameField, const QString &name)
{
    Record record(layout);
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const int capacity = layout.capacity(i);
        record.setValue(i, capacity < 5 ? QStringLiteral("PG").left(capacity)
                                        : layout.name(i).left(capacity - 1) + QLatin1Char('1'));
    }
    record.setValue(nameField, name);
    return record;
}

void doubleClickRow(QListView *list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    QTRY_VERIFY(list->visualRect(index).isValid());
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

bool showAndFill(SummaryListWindow &window)
{
    if (!CardTestTools::showAndActivate(&window))
        return false;
    return QTest::qWaitFor([&] { return window.isFilled(); });
}

QStringList names(const SummaryListWindow &window)
{
    QStringList result;
    for (const QString &line : window.model().lines().toStringList())
        result.append(line.left(28).trimmed());
    return result;
}

} // namespace

// The landlord and tenant imports and the non-expired contracts, over real
// contract and receipt windows.
class TestListWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windows_data();
    void windows();
    void importListsNamedCardsSorted();
    void landlordImportCopiesIntoTheContract();
    void tenantImportCopiesIntoTheContract();
    void tenantImportIntoTheReceipt_data();
    void tenantImportIntoTheReceipt();
    void equalLinesCopyTheLaterCard();
    void absentArchiveGivesAnEmptyList();
    void unreadableArchiveOnDoubleClickClosesSilently();
    void nonExpiredContractsAroundToday();
    void nonExpiredDoubleClickShowsTheContract();
    void archiveGoneAfterTheTraceClosesSilently();
    void entryPoints();

private:
    FakePlatform *m_platform = nullptr;
    TfrmContratti *m_contracts = nullptr;
};

void TestListWindows::init()
{
    m_platform = new FakePlatform;
    m_platform->clock = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
    SummaryListWindow::setReadingPace(ArchiveScanner::kDefaultBlockBytes, 40);
    m_contracts = new TfrmContratti;
}

void TestListWindows::cleanup()
{
    delete m_contracts;
    delete m_platform;
}

void TestListWindows::windows_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("callerTag");
    QTest::newRow("landlord import") << 0 << "TfrmImpLocatore" << " Importazione dati Locatore"
                                     << "Fare doppio clic su una voce in elenco per importare i dati" << true;
    QTest::newRow("tenant import") << 1 << "TfrmImpConduttore" << " Importazione dati Conduttore"
                                   << "Fare doppio clic su una voce in elenco per importare i dati" << true;
    QTest::newRow("non-expired") << 2 << "TfrmSospesi" << " Riepilogo contratti non scaduti"
                                 << "Fare doppio clic su una voce in elenco per richiamare la scheda" << false;
}

void TestListWindows::windows()
{
    QFETCH(int, kind);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, callerTag);
    std::unique_ptr<SummaryListWindow> window;
    if (kind == 0)
        window = std::make_unique<TfrmImpLocatore>(m_contracts);
    else if (kind == 1)
        window = std::make_unique<TfrmImpConduttore>(m_contracts);
    else
        window = std::make_unique<TfrmSospesi>(m_contracts);
    QCOMPARE(QString::fromLatin1(window->metaObject()->className()), className);
    QCOMPARE(window->objectName(), QStringLiteral("frm") + className.mid(4));
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->parentWidget(), m_contracts);
    QVERIFY(showAndFill(*window));
    QCOMPARE(control<QLabel>(window.get(), QStringLiteral("lblRigo03"))->text(), hint);
    QCOMPARE(control<QPushButton>(window.get(), QStringLiteral("btnTrova"))->text(), QStringLiteral("Trova"));
    QCOMPARE(control<QPushButton>(window.get(), QStringLiteral("btnChiudi"))->text(), QStringLiteral("Chiudi"));
    QVERIFY(control<QPushButton>(window.get(), QStringLiteral("btnStampa"))->isEnabled());
    QVERIFY(control<QPushButton>(window.get(), QStringLiteral("btnAnteprima"))->isEnabled());
    QVERIFY(control<QListView>(window.get(), QStringLiteral("lstRecords")));
    QVERIFY(control<QLabel>(window.get(), QStringLiteral("imgLogo")));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblMemory")) != nullptr, callerTag);
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(window.get(), QStringLiteral("txtTrova")));
    control<QPushButton>(window.get(), QStringLiteral("btnChiudi"))->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Rejected));
}

void TestListWindows::importListsNamedCardsSorted()
{
    const RecordLayout &layout = RecordLayouts::locatore();
    QVERIFY(SearchFixture::write(m_platform->filePath(kLandlords),
                                 {SearchFixture::record(layout, {{"Locatore", "ROSSI"}}),
                                  SearchFixture::record(layout, {{"ComuneImm", "Perugia"}, {"Note", "no name"}}),
                                  SearchFixture::record(layout, {{"Locatore", "bianchi"}}),
                                  SearchFixture::record(layout, {{"Locatore", "DELLA ROVERE GUIDOBALDO MONTEFELTRO"}})}));
    // A name of blanks only, as another writer may have stored it.
    QFile file(m_platform->filePath(kLandlords));
    QVERIFY(file.open(QIODevice::Append));
    file.write(SearchFixture::withRawField(layout, Record(layout).encode(), "Locatore", "   "));
    file.close();

    TfrmImpLocatore window(m_contracts);
    window.setCallerTag(QStringLiteral("contratti"));
    QVERIFY(showAndFill(window));
    QCOMPARE(names(window), (QStringList{"bianchi", "DELLA ROVERE GUIDOBALDO MONT", "ROSSI"}));
}

void TestListWindows::landlordImportCopiesIntoTheContract()
{
    const RecordLayout &layout = RecordLayouts::locatore();
    Record landlord = everyFieldFilled(layout, QStringLiteral("Locatore"), QStringLiteral("DELLA ROVERE GUIDOBALDO MONTEFELTRO"));
    QVERIFY(SearchFixture::write(m_platform->filePath(kLandlords), {landlord}));
    m_contracts->setFieldText(QStringLiteral("Conduttore"), QStringLiteral("TENANT STAYS"));
    m_contracts->setFieldText(QStringLiteral("DurataCon"), QStringLiteral("7"));

    TfrmImpLocatore window(m_contracts);
    window.setCallerTag(QStringLiteral("contratti"));
    QVERIFY(showAndFill(window));
    doubleClickRow(window.listView(), 0);
    QVERIFY(!window.isVisible());
    for (const QString &field : kLandlordCopied)
        QCOMPARE(m_contracts->fieldText(field), landlord.value(field));
    // The whole name, though the line cut it.
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Locatore")), QStringLiteral("DELLA ROVERE GUIDOBALDO MONTEFELTRO"));
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Conduttore")), QStringLiteral("TENANT STAYS"));
    QCOMPARE(m_contracts->fieldText(QStringLiteral("DurataCon")), QStringLiteral("7"));
    QVERIFY(control<QLabel>(m_contracts, QStringLiteral("lblPosizione"))->text().isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestListWindows::tenantImportCopiesIntoTheContract()
{
    const RecordLayout &layout = RecordLayouts::conduttore();
    Record tenant = everyFieldFilled(layout, QStringLiteral("Conduttore"), QStringLiteral("BIANCHI ANNA"));
    QVERIFY(SearchFixture::write(m_platform->filePath(kTenants), {tenant}));
    m_contracts->setFieldText(QStringLiteral("ComuneImm"), QStringLiteral("Assisi"));
    m_contracts->setFieldText(QStringLiteral("Posti"), QStringLiteral("4"));

    TfrmImpConduttore window(m_contracts);
    window.setCallerTag(QStringLiteral("contratti"));
    QVERIFY(showAndFill(window));
    doubleClickRow(window.listView(), 0);
    QVERIFY(!window.isVisible());
    for (const QString &field : kTenantCopied)
        QCOMPARE(m_contracts->fieldText(field), tenant.value(field));
    // The property the tenant wants is not the contract's property.
    QCOMPARE(m_contracts->fieldText(QStringLiteral("ComuneImm")), QStringLiteral("Assisi"));
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Posti")), QStringLiteral("4"));
}

void TestListWindows::tenantImportIntoTheReceipt_data()
{
    QTest::addColumn<QString>("fiscalCode");
    QTest::addColumn<QString>("secondLine");
    QTest::newRow("with a fiscal code") << "BNCNNA80A41G478X" << "Codice Fiscale: BNCNNA80A41G478X";
    QTest::newRow("without one") << "" << "Codice Fiscale: ";
}

void TestListWindows::tenantImportIntoTheReceipt()
{
    QFETCH(QString, fiscalCode);
    QFETCH(QString, secondLine);
    const RecordLayout &layout = RecordLayouts::conduttore();
    QVERIFY(SearchFixture::write(m_platform->filePath(kTenants),
                                 {SearchFixture::record(layout, {{"Conduttore", "BIANCHI ANNA"},
                                                                 {"CodFiscCon", fiscalCode},
                                                                 {"ComuneRes", "Perugia"}})}));
    TfrmRicevuta receipt;
    receipt.setFieldText(QStringLiteral("Causale01"), QStringLiteral("Affitto"));
    receipt.setFieldText(QStringLiteral("Pagatore02"), QStringLiteral("old"));
    TfrmImpConduttore window(&receipt);
    window.setCallerTag(QStringLiteral("ricevuta"));
    QVERIFY(showAndFill(window));
    doubleClickRow(window.listView(), 0);
    QVERIFY(!window.isVisible());
    QCOMPARE(receipt.fieldText(QStringLiteral("Pagatore01")), QStringLiteral("BIANCHI ANNA"));
    QCOMPARE(receipt.fieldText(QStringLiteral("Pagatore02")), secondLine);
    QCOMPARE(receipt.fieldText(QStringLiteral("Causale01")), QStringLiteral("Affitto"));
}

void TestListWindows::equalLinesCopyTheLaterCard()
{
    const RecordLayout &layout = RecordLayouts::conduttore();
    QVERIFY(SearchFixture::write(m_platform->filePath(kTenants),
                                 {SearchFixture::record(layout, {{"Conduttore", "ROSSI MARIO"}, {"Documento", "first"}}),
                                  SearchFixture::record(layout, {{"Conduttore", "VERDI"}, {"Documento", "other"}}),
                                  SearchFixture::record(layout, {{"Conduttore", "ROSSI MARIO"}, {"Documento", "later"}})}));
    TfrmImpConduttore window(m_contracts);
    window.setCallerTag(QStringLiteral("contratti"));
    QVERIFY(showAndFill(window));
    QCOMPARE(names(window), (QStringList{"ROSSI MARIO", "ROSSI MARIO", "VERDI"}));
    doubleClickRow(window.listView(), 0);
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Documento")), QStringLiteral("later"));
}

void TestListWindows::absentArchiveGivesAnEmptyList()
{
    TfrmImpConduttore window(m_contracts);
    window.setCallerTag(QStringLiteral("contratti"));
    QVERIFY(showAndFill(window));
    QCOMPARE(window.model().rowCount(), 0);
    QVERIFY(QFile::exists(m_platform->filePath(kTenants)));
    control<QPushButton>(&window, QStringLiteral("btnTrova"))->click();
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Plain);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    QVERIFY(window.isVisible());
}

void TestListWindows::unreadableArchiveOnDoubleClickClosesSilently()
{
    const RecordLayout &layout = RecordLayouts::locatore();
    QVERIFY(SearchFixture::write(m_platform->filePath(kLandlords), {SearchFixture::record(layout, {{"Locatore", "ROSSI"}})}));
    TfrmImpLocatore window(m_contracts);
    window.setCallerTag(QStringLiteral("contratti"));
    QVERIFY(showAndFill(window));
    QVERIFY(QFile::remove(m_platform->filePath(kLandlords)));
    QVERIFY(QDir(m_platform->folder()).mkdir(kLandlords));
    doubleClickRow(window.listView(), 0);
    QVERIFY(!window.isVisible());
    QVERIFY(m_contracts->fieldText(QStringLiteral("Locatore")).isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestListWindows::nonExpiredContractsAroundToday()
{
    const RecordLayout &layout = RecordLayouts::contratto();
    const auto contract = [&](const char *tenant, const char *end) {
        return SearchFixture::record(layout, {{"Conduttore", tenant}, {"FineCon", end}});
    };
    QVERIFY(SearchFixture::write(m_platform->filePath(kContracts),
                                 {contract("YESTERDAY", "08/12/2026"), contract("today", "09/12/2026"),
                                  contract("TOMORROW", "10/12/2026"), contract("NEXT MONTH", "11/01/2027"),
                                  contract("UNREADABLE", "32/12/2026"), contract("AFTER", "10/12/2026")}));
    TfrmSospesi window(m_contracts);
    QVERIFY(showAndFill(window));
    QCOMPARE(names(window), (QStringList{"NEXT MONTH", "today", "TOMORROW"}));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestListWindows::nonExpiredDoubleClickShowsTheContract()
{
    const RecordLayout &layout = RecordLayouts::contratto();
    QVERIFY(SearchFixture::write(m_platform->filePath(kContracts),
                                 {SearchFixture::record(layout, {{"Conduttore", "ROSSI"}, {"FineCon", "31/12/2026"}, {"Pattuizioni", "one"}}),
                                  SearchFixture::record(layout, {{"Conduttore", "BIANCHI"}, {"FineCon", "31/12/2026"}, {"Locatore", "VERDI"}, {"Pattuizioni", "two"}}),
                                  SearchFixture::record(layout, {{"Conduttore", "ROSSI"}, {"FineCon", "31/12/2026"}, {"Pattuizioni", "three"}})}));
    m_contracts->setFieldText(QStringLiteral("Luogo"), QStringLiteral("replaced"));
    TfrmSospesi window(m_contracts);
    QVERIFY(showAndFill(window));
    QCOMPARE(names(window), (QStringList{"BIANCHI", "ROSSI", "ROSSI"}));
    doubleClickRow(window.listView(), 2);
    QVERIFY(!window.isVisible());
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Conduttore")), QStringLiteral("ROSSI"));
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Pattuizioni")), QStringLiteral("three"));
    QVERIFY(m_contracts->fieldText(QStringLiteral("Luogo")).isEmpty());
    QCOMPARE(control<QLabel>(m_contracts, QStringLiteral("lblPosizione"))->text(), QStringLiteral("3"));

    TfrmSospesi again(m_contracts);
    QVERIFY(showAndFill(again));
    doubleClickRow(again.listView(), 0);
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Locatore")), QStringLiteral("VERDI"));
    QCOMPARE(control<QLabel>(m_contracts, QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));
}

void TestListWindows::archiveGoneAfterTheTraceClosesSilently()
{
    const RecordLayout &layout = RecordLayouts::contratto();
    QVERIFY(SearchFixture::write(m_platform->filePath(kContracts),
                                 {SearchFixture::record(layout, {{"Conduttore", "ROSSI"}, {"FineCon", "31/12/2026"}}),
                                  SearchFixture::record(layout, {{"Conduttore", "VERDI"}, {"FineCon", "31/12/2026"}})}));
    TfrmSospesi window(m_contracts);
    QVERIFY(showAndFill(window));
    // The window answers after every record it reads back; meanwhile the
    // archive goes, and a folder takes its name.
    SummaryListWindow::setReadingPace(1, 0);
    QTimer::singleShot(0, &window, [this] {
        QVERIFY(QFile::remove(m_platform->filePath(kContracts)));
        QVERIFY(QDir(m_platform->folder()).mkdir(kContracts));
    });
    doubleClickRow(window.listView(), 1);
    QVERIFY(!window.isVisible());
    QVERIFY(QFileInfo(m_platform->filePath(kContracts)).isDir());
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Conduttore")), QStringLiteral("VERDI"));
    QCOMPARE(control<QLabel>(m_contracts, QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));
}

void TestListWindows::entryPoints()
{
    QVERIFY(SearchFixture::write(m_platform->filePath(kLandlords),
                                 {SearchFixture::record(RecordLayouts::locatore(), {{"Locatore", "ROSSI"}})}));
    QVERIFY(SearchFixture::write(m_platform->filePath(kTenants),
                                 {SearchFixture::record(RecordLayouts::conduttore(), {{"Conduttore", "BIANCHI"}, {"CodFiscCon", "BNC"}})}));
    QVERIFY(SearchFixture::write(m_platform->filePath(kContracts),
                                 {SearchFixture::record(RecordLayouts::contratto(), {{"Conduttore", "NERI"}, {"FineCon", "09/12/2026"}})}));
    QVERIFY(CardTestTools::showAndActivate(m_contracts));

    struct Seen
    {
        QString name;
        QString tag;
        QWidget *owner = nullptr;
    };
    const auto chooseFirstLine = [](Seen &seen) {
        CardTestTools::onNextModal([&seen](QWidget *modal) {
            seen.name = modal->objectName();
            seen.owner = modal->parentWidget();
            if (auto *tag = modal->findChild<QLabel *>(QStringLiteral("lblMemory")))
                seen.tag = tag->text();
            auto *window = qobject_cast<SummaryListWindow *>(modal);
            QVERIFY(window);
            QVERIFY(QTest::qWaitFor([window] { return window->isFilled(); }));
            doubleClickRow(window->listView(), 0);
        });
    };

    Seen landlord;
    chooseFirstLine(landlord);
    openLandlordImport(m_contracts);
    QCOMPARE(landlord.name, QStringLiteral("frmImpLocatore"));
    QCOMPARE(landlord.tag, QStringLiteral("contratti"));
    QCOMPARE(landlord.owner, m_contracts);
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Locatore")), QStringLiteral("ROSSI"));

    Seen tenant;
    chooseFirstLine(tenant);
    openTenantImport(m_contracts, QStringLiteral("contratti"));
    QCOMPARE(tenant.name, QStringLiteral("frmImpConduttore"));
    QCOMPARE(tenant.tag, QStringLiteral("contratti"));
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Conduttore")), QStringLiteral("BIANCHI"));

    Seen nonExpired;
    chooseFirstLine(nonExpired);
    openNonExpiredContracts(m_contracts);
    QCOMPARE(nonExpired.name, QStringLiteral("frmSospesi"));
    QCOMPARE(m_contracts->fieldText(QStringLiteral("Conduttore")), QStringLiteral("NERI"));
    QCOMPARE(control<QLabel>(m_contracts, QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    // Each window was destroyed when its call returned.
    QVERIFY(!m_contracts->findChild<SummaryListWindow *>());
}

QTEST_MAIN(TestListWindows)
#include "tst_listwindows.moc"
