#include "ArchiveFixture.h"
#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/guests/GuestArchive.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/properties/PropertyCodes.h"
#include "engine/tax/TaxRuleFile.h"
#include "PdfText.h"
#include "widgets/contracts/TfrmContratti.h"
#include "widgets/guests/TfrmArrivi.h"
#include "widgets/guests/TfrmOspiti.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using CardTestTools::control;

// The guests of a stay, from the contract window to the police file.
class TestGuestsWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void openedForAStoredContractOnly();
    void newListStartsWithTheTenant();
    void guestsAreSavedAndReadBack();
    void familyTypesFollowTheHead();
    void deletingAsksFirst_data();
    void deletingAsksFirst();
    void leavingWithUnsavedChangesAsks_data();
    void leavingWithUnsavedChangesAsks();
    void anotherStayAtThePositionIsNeverShown();
    void placesAreTypedAhead();
    void policeFileOfTheStay_data();
    void policeFileOfTheStay();
    void missingDataListedAndNothingWritten();
    void arrivalsOfTodayAndYesterday();
    void tablesWindowFromTheGuestsWindow();
    void exemptionReasonIsKeptWithTheGuest();
    void taxOfTheStayFollowsTheGuests();
    void noRuleNoTax_data();
    void noRuleNoTax();
    void taxNoteIsPreviewedAndSaved();

private:
    // Writes the contracts, each a list of field/value pairs.
    void writeContracts(const QList<ArchiveFixture::Fields> &contracts);
    Record contract(qint64 k) const;
    std::unique_ptr<TfrmOspiti> openOn(qint64 k);
    void click(QWidget *window, const char *name) { control<QPushButton>(window, QLatin1String(name))->click(); }

    FakePlatform *m_platform = nullptr;
    std::shared_ptr<const PoliceCodes> m_codes;
};

namespace {

const ArchiveFixture::Fields kRossi = {
    {"Conduttore", "ROSSI MARIO"}, {"CodFiscCon", "RSSMRA80E17H294X"}, {"LuogoNascCon", "RIMINI"},
    {"ProvNascCon", "RN"},         {"DataNascCon", "17/05/1980"},      {"ComuneRes", "BOLOGNA"},
    {"ProvRes", "BO"},             {"InizioCon", "09/12/2026"},        {"FineCon", "13/12/2026"},
    {"ComuneImm", "RIMINI"},       {"ViaImm", "Via Roma 1"}};

ArchiveFixture::Fields with(ArchiveFixture::Fields fields, const char *name, const QByteArray &value)
{
    for (auto &field : fields) {
        if (field.first == QLatin1String(name)) {
            field.second = value;
            return fields;
        }
    }
    fields.append({QString::fromLatin1(name), value});
    return fields;
}

QString field(const QWidget *window, const char *name)
{
    return CardTestTools::textOf(control(window, QLatin1String(name)));
}

void type(QWidget *window, const char *name, const QString &text)
{
    auto *edit = control<QLineEdit>(window, QLatin1String(name));
    edit->setFocus();
    edit->selectAll();
    KeyInput::typeText(edit, text);
}

// Types into a place combo and picks the first place it offers.
void pickPlace(QWidget *window, const char *name, const QString &typed)
{
    auto *combo = control<QComboBox>(window, QLatin1String(name));
    combo->setFocus();
    combo->lineEdit()->selectAll();
    KeyInput::typeText(combo->lineEdit(), typed);
    const QString first = combo->model()->index(0, 0).data().toString();
    combo->lineEdit()->setText(first);
    emit combo->activated(0);
}

// Rimini's tax: 1,50 a night in 2026, no more than 3 nights, under 14 and
// residents exempt.
void writeRiminiRule()
{
    QVERIFY(TaxRuleFile::save(platform().programFolder(),
                              {TaxRule{QStringLiteral("408099014"), QStringLiteral("RIMINI"), QStringLiteral("RN"),
                                       QDate(2026, 1, 1), QDate(2026, 12, 31), 150, 3, 14, true}}));
}

QStringList taxRow(const QWidget *window, int row)
{
    QStringList texts;
    auto *grid = control<QTableWidget>(window, QStringLiteral("grdImposta"));
    for (int column = 0; column < grid->columnCount(); ++column)
        texts.append(grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return texts;
}

QStringList listTexts(const QWidget *window)
{
    QStringList texts;
    auto *list = control<QListWidget>(window, QStringLiteral("lstOspiti"));
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

void TestGuestsWindow::init()
{
    m_platform = new FakePlatform;
    m_codes = PoliceTableStore::codes();
}

void TestGuestsWindow::cleanup()
{
    m_codes.reset();
    delete m_platform;
}

void TestGuestsWindow::writeContracts(const QList<ArchiveFixture::Fields> &contracts)
{
    QList<QByteArray> records;
    for (const ArchiveFixture::Fields &fields : contracts)
        records.append(ArchiveFixture::record(RecordLayouts::contratto(), fields));
    QVERIFY(ArchiveFixture::write(m_platform->filePath(RecordLayouts::contratto().archiveName()), records));
}

Record TestGuestsWindow::contract(qint64 k) const
{
    QFile file(m_platform->filePath(RecordLayouts::contratto().archiveName()));
    const int size = RecordLayouts::contratto().recordSize();
    if (!file.open(QIODevice::ReadOnly) || !file.seek((k - 1) * size))
        return Record(RecordLayouts::contratto());
    return Record::decode(RecordLayouts::contratto(), file.read(size));
}

std::unique_ptr<TfrmOspiti> TestGuestsWindow::openOn(qint64 k)
{
    auto window = std::make_unique<TfrmOspiti>(*m_codes);
    window->setStay(contract(k), k);
    window->show();
    return window;
}

void TestGuestsWindow::openedForAStoredContractOnly()
{
    writeContracts({kRossi});
    TfrmContratti contracts;
    QVERIFY(CardTestTools::showAndActivate(&contracts));
    auto *button = control<QToolButton>(&contracts, QStringLiteral("cmdOspiti"));
    QVERIFY(!button->isEnabled());
    control<QToolButton>(&contracts, QStringLiteral("cmdPrimo"))->click();
    QVERIFY(button->isEnabled());
    QString opened;
    QString tenant;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        tenant = field(modal, "txtCognome") + QLatin1Char('|') + field(modal, "txtNome");
        QCOMPARE(field(modal, "txtArrivo"), QStringLiteral("09/12/2026"));
        QCOMPARE(field(modal, "txtNotti"), QStringLiteral("4"));
    });
    button->click();
    QCOMPARE(opened, QStringLiteral("frmOspiti"));
    QCOMPARE(tenant, QStringLiteral("ROSSI|MARIO"));
    control<QToolButton>(&contracts, QStringLiteral("cmdNuovo"))->click();
    QVERIFY(!button->isEnabled());
}

void TestGuestsWindow::newListStartsWithTheTenant()
{
    writeContracts({kRossi});
    const auto window = openOn(1);
    QCOMPARE(listTexts(window.get()), QStringList{QStringLiteral("1. ROSSI MARIO - Ospite singolo")});
    QCOMPARE(field(window.get(), "cboSesso"), QStringLiteral("M"));
    QCOMPARE(field(window.get(), "txtDataNascita"), QStringLiteral("17/05/1980"));
    QCOMPARE(field(window.get(), "cboLuogoNascita"), QStringLiteral("RIMINI (RN)"));
    QCOMPARE(field(window.get(), "cboResidenza"), QStringLiteral("BOLOGNA (BO)"));
    QCOMPARE(field(window.get(), "cboCittadinanza"), QStringLiteral("ITALIA"));
    QCOMPARE(window->guests().first().birthPlace, QStringLiteral("408099014"));
    QVERIFY(!window->hasUnsavedChanges());
}

void TestGuestsWindow::guestsAreSavedAndReadBack()
{
    writeContracts({kRossi, with(kRossi, "Conduttore", "VERDI LUCA")});
    {
        const auto window = openOn(2);
        type(window.get(), "txtNome", QStringLiteral("LUCA ANDREA"));
        click(window.get(), "cmdNuovoOspite");
        type(window.get(), "txtNome", QStringLiteral("ANNA"));
        QVERIFY(window->hasUnsavedChanges());
        click(window.get(), "cmdSalvaOspiti");
        QCOMPARE(m_platform->lastMessage().text, QStringLiteral("L'elenco degli ospiti è stato salvato in archivio."));
        QVERIFY(!window->hasUnsavedChanges());
    }
    const GuestArchive::Loaded stored = GuestArchive::load(m_platform->folder(), 2, {"VERDI LUCA", "09/12/2026"});
    QCOMPARE(stored.state, GuestArchive::Loaded::State::Found);
    QCOMPARE(stored.guests.size(), 2);
    QCOMPARE(stored.guests.at(0).name, QStringLiteral("LUCA ANDREA"));
    // The second guest takes the head's surname as a start.
    QCOMPARE(stored.guests.at(1).surname, QStringLiteral("VERDI"));
    QCOMPARE(stored.guests.at(1).name, QStringLiteral("ANNA"));
    const auto again = openOn(2);
    QCOMPARE(listTexts(again.get()), (QStringList{QStringLiteral("1. VERDI LUCA ANDREA - Capofamiglia"),
                                                   QStringLiteral("2. VERDI ANNA - Familiare")}));
}

void TestGuestsWindow::familyTypesFollowTheHead()
{
    writeContracts({kRossi});
    const auto window = openOn(1);
    click(window.get(), "cmdNuovoOspite");
    click(window.get(), "cmdNuovoOspite");
    auto *list = control<QListWidget>(window.get(), QStringLiteral("lstOspiti"));
    list->setCurrentRow(0);
    auto *type = control<QComboBox>(window.get(), QStringLiteral("cboTipoAlloggiato"));
    QVERIFY(type->isEnabled());
    type->setCurrentIndex(type->findText(QStringLiteral("Capogruppo")));
    QCOMPARE(listTexts(window.get()), (QStringList{QStringLiteral("1. ROSSI MARIO - Capogruppo"),
                                                   QStringLiteral("2. ROSSI - Membro del gruppo"),
                                                   QStringLiteral("3. ROSSI - Membro del gruppo")}));
    // A member's type and document follow the head.
    list->setCurrentRow(2);
    QVERIFY(!type->isEnabled());
    QVERIFY(!control(window.get(), QStringLiteral("cboTipoDoc"))->isEnabled());
    QVERIFY(!control(window.get(), QStringLiteral("txtNumDoc"))->isEnabled());
}

void TestGuestsWindow::deletingAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps the guest") << false;
    QTest::newRow("Yes removes it") << true;
}

void TestGuestsWindow::deletingAsksFirst()
{
    QFETCH(bool, answer);
    writeContracts({kRossi});
    const auto window = openOn(1);
    click(window.get(), "cmdNuovoOspite");
    type(window.get(), "txtNome", QStringLiteral("ANNA"));
    m_platform->answers = {answer};
    click(window.get(), "cmdEliminaOspite");
    QCOMPARE(m_platform->questions, QStringList{QStringLiteral("Eliminare l'ospite ROSSI ANNA dall'elenco?")});
    QCOMPARE(m_platform->questionDefaults, QList<DefaultAnswer>{DefaultAnswer::No});
    QCOMPARE(window->guests().size(), answer ? 1 : 2);
    if (answer)
        QCOMPARE(listTexts(window.get()), QStringList{QStringLiteral("1. ROSSI MARIO - Ospite singolo")});
}

void TestGuestsWindow::leavingWithUnsavedChangesAsks_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No leaves without saving") << false;
    QTest::newRow("Yes saves, then leaves") << true;
}

void TestGuestsWindow::leavingWithUnsavedChangesAsks()
{
    QFETCH(bool, answer);
    writeContracts({kRossi});
    const auto window = openOn(1);
    type(window.get(), "txtCognome", QStringLiteral("ROSSI BIANCHI"));
    m_platform->answers = {answer};
    click(window.get(), "cmdChiudi");
    QCOMPARE(m_platform->questions,
             QStringList{QStringLiteral("Le modifiche all'elenco degli ospiti non sono state salvate.\n\nSalvarle adesso?")});
    QVERIFY(!window->isVisible());
    const GuestArchive::Loaded stored = GuestArchive::load(m_platform->folder(), 1, {"ROSSI MARIO", "09/12/2026"});
    QCOMPARE(stored.state, answer ? GuestArchive::Loaded::State::Found : GuestArchive::Loaded::State::None);
    if (answer)
        QCOMPARE(stored.guests.first().surname, QStringLiteral("ROSSI BIANCHI"));
    // Nothing changed since: no question.
    m_platform->questions.clear();
    const auto untouched = openOn(1);
    click(untouched.get(), "cmdChiudi");
    QVERIFY(m_platform->questions.isEmpty());
}

void TestGuestsWindow::anotherStayAtThePositionIsNeverShown()
{
    writeContracts({kRossi});
    Guest old;
    old.surname = QStringLiteral("VECCHIO");
    QVERIFY(GuestArchive::save(m_platform->folder(), 1, {"ROSSI MARIO", "01/07/2026"}, {old}));
    const auto window = openOn(1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: gli ospiti registrati per questa posizione dell'archivio appartengono a un "
                            "altro soggiorno (ROSSI MARIO dal 01/07/2026): il contratto è stato sostituito da quello "
                            "attuale.\n\nL'elenco degli ospiti riparte dal Conduttore del contratto."));
    QCOMPARE(listTexts(window.get()), QStringList{QStringLiteral("1. ROSSI MARIO - Ospite singolo")});
}

void TestGuestsWindow::placesAreTypedAhead()
{
    writeContracts({kRossi});
    const auto window = openOn(1);
    auto *birth = control<QComboBox>(window.get(), QStringLiteral("cboLuogoNascita"));
    birth->setFocus();
    birth->lineEdit()->clear();
    KeyInput::typeText(birth->lineEdit(), QStringLiteral("rimi"));
    QCOMPARE(birth->model()->index(0, 0).data().toString(), QStringLiteral("RIMINI (RN)"));
    QStringList offered;
    for (int i = 0; i < birth->model()->rowCount(); ++i)
        offered.append(birth->model()->index(i, 0).data().toString());
    // A ceased comune is a birth place only, with its end date.
    QVERIFY2(offered.contains(QStringLiteral("RIMINI (FO) - cessato il 05/03/1992")), qPrintable(offered.join('|')));
    auto *residence = control<QComboBox>(window.get(), QStringLiteral("cboResidenza"));
    residence->setFocus();
    residence->lineEdit()->clear();
    KeyInput::typeText(residence->lineEdit(), QStringLiteral("rimi"));
    for (int i = 0; i < residence->model()->rowCount(); ++i)
        QVERIFY(!residence->model()->index(i, 0).data().toString().contains(QStringLiteral("cessato")));
}

void TestGuestsWindow::policeFileOfTheStay_data()
{
    QTest::addColumn<QString>("apartment");
    QTest::newRow("one apartment") << QString();
    QTest::newRow("apartment code of the property") << QStringLiteral("APP007");
}

void TestGuestsWindow::policeFileOfTheStay()
{
    QFETCH(QString, apartment);
    writeContracts({kRossi});
    if (!apartment.isEmpty()) {
        // The landlord card of the same property carries the codes.
        QVERIFY(ArchiveFixture::write(m_platform->filePath(RecordLayouts::locatore().archiveName()),
                                      {ArchiveFixture::record(RecordLayouts::locatore(),
                                                              {{"Locatore", "BIANCHI"}, {"CodFiscLoc", "BNCGNN60A01H294X"},
                                                               {"ComuneImm", "Rimini"}, {"ViaImm", "VIA ROMA 1"}})}));
        PropertyCodes::Codes codes;
        codes.apartmentId = apartment;
        QVERIFY(PropertyCodes::save(m_platform->folder(), 1, {"BNCGNN60A01H294X", "BIANCHI"}, codes));
    }
    const auto window = openOn(1);
    control<QComboBox>(window.get(), QStringLiteral("cboTipoDoc"))
        ->setCurrentIndex(control<QComboBox>(window.get(), QStringLiteral("cboTipoDoc"))->findData(QStringLiteral("IDENT")));
    type(window.get(), "txtNumDoc", QStringLiteral("ca1234567"));
    pickPlace(window.get(), "cboLuogoRilascio", QStringLiteral("bologna"));
    const QString saved = m_platform->filePath(QStringLiteral("schedine.txt"));
    m_platform->saveChoices = {saved};
    click(window.get(), "cmdSchedine");
    QCOMPARE(m_platform->proposedSavePaths,
             QStringList{m_platform->filePath(QStringLiteral("Schedine 09-12-2026 ROSSI MARIO.txt"))});
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray line = file.readAll();
    QCOMPARE(line.size(), apartment.isEmpty() ? 168 : 174);
    QCOMPARE(line.mid(168), apartment.toLatin1());
    QVERIFY(line.startsWith("1609/12/202604ROSSI"));
    QCOMPARE(line.mid(134, 5), QByteArray("IDENT"));
    QCOMPARE(line.mid(139, 20), QByteArray("CA1234567").leftJustified(20, ' '));
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
}

void TestGuestsWindow::missingDataListedAndNothingWritten()
{
    writeContracts({kRossi});
    const auto window = openOn(1);
    click(window.get(), "cmdNuovoOspite");
    click(window.get(), "cmdSchedine");
    QVERIFY(m_platform->proposedSavePaths.isEmpty());
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    const QString text = m_platform->lastMessage().text;
    QVERIFY2(text.startsWith(QStringLiteral("Attenzione: il file delle schedine non può essere scritto")), qPrintable(text));
    // The head's document and the second guest's details are named.
    QVERIFY2(text.contains(QStringLiteral("Ospite 1")) && text.contains(QStringLiteral("Ospite 2")), qPrintable(text));
}

void TestGuestsWindow::arrivalsOfTodayAndYesterday()
{
    // Today is 09/12/2026 for the fake platform.
    writeContracts({with(kRossi, "InizioCon", "08/12/2026"), with(with(kRossi, "Conduttore", "VERDI LUCA"), "InizioCon", "07/12/2026"),
                    with(kRossi, "Conduttore", "NERI ANNA"), with(kRossi, "Conduttore", "BLU ELSA")});
    Guest neri;
    neri.surname = QStringLiteral("NERI");
    QVERIFY(GuestArchive::save(m_platform->folder(), 3, {"NERI ANNA", "09/12/2026"}, {neri}));
    TfrmArrivi arrivals(*m_codes);
    QVERIFY(arrivals.fill());
    auto *list = control<QListWidget>(&arrivals, QStringLiteral("lstArrivi"));
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows.append(list->item(i)->text());
    QCOMPARE(rows, (QStringList{QStringLiteral("ROSSI MARIO - arrivo il 08/12/2026 - RIMINI - nessun ospite registrato"),
                                QStringLiteral("NERI ANNA - arrivo il 09/12/2026 - RIMINI - 1 ospite"),
                                QStringLiteral("BLU ELSA - arrivo il 09/12/2026 - RIMINI - nessun ospite registrato")}));
    QVERIFY(!(list->item(0)->flags() & Qt::ItemIsEnabled));
    QCOMPARE(list->item(1)->checkState(), Qt::Checked);
    // NERI's details are missing: listed by stay, nothing written.
    control<QPushButton>(&arrivals, QStringLiteral("btnScrivi"))->click();
    QVERIFY(m_platform->proposedSavePaths.isEmpty());
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("NERI ANNA - ")));
}

void TestGuestsWindow::exemptionReasonIsKeptWithTheGuest()
{
    writeContracts({kRossi});
    {
        const auto window = openOn(1);
        auto *reason = control<QLineEdit>(window.get(), QStringLiteral("txtEsenzione"));
        QCOMPARE(reason->maxLength(), 60);
        QVERIFY(reason->text().isEmpty());
        click(window.get(), "cmdNuovoOspite");
        type(window.get(), "txtNome", QStringLiteral("ANNA"));
        type(window.get(), "txtEsenzione", QStringLiteral("accompagnatore di paziente"));
        QVERIFY(window->hasUnsavedChanges());
        QCOMPARE(window->guests().at(1).taxExemption, QStringLiteral("accompagnatore di paziente"));
        QVERIFY(window->guests().at(0).taxExemption.isEmpty());
        click(window.get(), "cmdSalvaOspiti");
    }
    const auto again = openOn(1);
    control<QListWidget>(again.get(), QStringLiteral("lstOspiti"))->setCurrentRow(1);
    QCOMPARE(field(again.get(), "txtEsenzione"), QStringLiteral("accompagnatore di paziente"));
    control<QListWidget>(again.get(), QStringLiteral("lstOspiti"))->setCurrentRow(0);
    QCOMPARE(field(again.get(), "txtEsenzione"), QString());
}

void TestGuestsWindow::taxOfTheStayFollowsTheGuests()
{
    writeRiminiRule();
    writeContracts({with(kRossi, "ProvImm", "RN")});
    const auto window = openOn(1);
    QCOMPARE(field(window.get(), "lblImpostaComune"), QStringLiteral("Comune di RIMINI (RN)."));
    // Four nights, three of them taxed.
    QCOMPARE(taxRow(window.get(), 0), (QStringList{"ROSSI MARIO", "3", "1 notte oltre il massimo di notti", "4,50"}));
    QCOMPARE(field(window.get(), "lblImpostaTotale"), QStringLiteral("Totale imposta: € 4,50 (3 notti tassate, 1 esenti)."));
    QVERIFY(control(window.get(), QStringLiteral("cmdRicevutaImposta"))->isEnabled());
    // A child, and a companion exempt for a reason of their own, as typed.
    click(window.get(), "cmdNuovoOspite");
    type(window.get(), "txtNome", QStringLiteral("LUCA"));
    type(window.get(), "txtDataNascita", QStringLiteral("01/01/2020"));
    click(window.get(), "cmdNuovoOspite");
    type(window.get(), "txtNome", QStringLiteral("ANNA"));
    type(window.get(), "txtDataNascita", QStringLiteral("01/01/1950"));
    type(window.get(), "txtEsenzione", QStringLiteral("accompagnatore di paziente"));
    QCOMPARE(taxRow(window.get(), 1), (QStringList{"ROSSI LUCA", "0", "4 notti per età", "0,00"}));
    QCOMPARE(taxRow(window.get(), 2),
             (QStringList{"ROSSI ANNA", "0", "4 notti per accompagnatore di paziente", "0,00"}));
    QCOMPARE(field(window.get(), "lblImpostaTotale"), QStringLiteral("Totale imposta: € 4,50 (3 notti tassate, 9 esenti)."));
    // The companion's reason taken away: she pays like the tenant.
    auto *reason = control<QLineEdit>(window.get(), QStringLiteral("txtEsenzione"));
    reason->setFocus();
    reason->selectAll();
    KeyInput::pressKey(reason, Qt::Key_Delete);
    QCOMPARE(field(window.get(), "lblImpostaTotale"), QStringLiteral("Totale imposta: € 9,00 (6 notti tassate, 6 esenti)."));
}

void TestGuestsWindow::noRuleNoTax_data()
{
    QTest::addColumn<bool>("rules");
    QTest::addColumn<QByteArray>("province");
    QTest::addColumn<QString>("says");
    QTest::newRow("no rule for the comune") << false << QByteArray("RN") << "Nessuna regola dell'imposta di soggiorno per RIMINI (RN)";
    QTest::newRow("comune not in the tables") << true << QByteArray("XX") << "non si trova nelle tabelle dei comuni";
}

void TestGuestsWindow::noRuleNoTax()
{
    QFETCH(bool, rules);
    QFETCH(QByteArray, province);
    QFETCH(QString, says);
    if (rules)
        writeRiminiRule();
    writeContracts({with(kRossi, "ProvImm", province)});
    const auto window = openOn(1);
    QVERIFY2(field(window.get(), "lblImpostaComune").contains(says), qPrintable(field(window.get(), "lblImpostaComune")));
    QVERIFY(!control(window.get(), QStringLiteral("cmdRicevutaImposta"))->isEnabled());
}

void TestGuestsWindow::taxNoteIsPreviewedAndSaved()
{
    SKIP_WITHOUT_PDF_READER();
    writeRiminiRule();
    writeContracts({with(with(with(kRossi, "ProvImm", "RN"), "Locatore", "BIANCHI LUCIA"), "CodFiscLoc",
                         "BNCLCU70A41H294K")});
    const auto window = openOn(1);
    const QString pdf = m_platform->filePath("nota.pdf");
    m_platform->saveChoices = {pdf};
    QString opened;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        control<QToolButton>(modal, QStringLiteral("cmdSalvaPdf"))->click();
    });
    click(window.get(), "cmdRicevutaImposta");
    QCOMPARE(opened, QStringLiteral("frmAnteprimaStampa"));
    QCOMPARE(m_platform->proposedSavePaths.size(), 1);
    QVERIFY(m_platform->proposedSavePaths.first().endsWith(QStringLiteral(".pdf")));
    const std::optional<PdfText> text = PdfText::read(pdf);
    QVERIFY(text);
    for (const char *phrase : {"RICEVUTA DELL'IMPOSTA DI SOGGIORNO", "Comune di RIMINI (RN).", "Gestore: BIANCHI",
                               "Via Roma 1 - RIMINI (RN).", "dal 09/12/2026 al 13/12/2026", "ROSSI MARIO", "4,50"})
        QVERIFY2(!text->find(QString::fromUtf8(phrase)).isEmpty(), phrase);
}

void TestGuestsWindow::tablesWindowFromTheGuestsWindow()
{
    writeContracts({kRossi});
    const auto window = openOn(1);
    QString opened;
    CardTestTools::onNextModal([&](QWidget *modal) { opened = modal->objectName(); });
    click(window.get(), "cmdTabelle");
    QCOMPARE(opened, QStringLiteral("frmTabelleQuestura"));
}

QTEST_MAIN(TestGuestsWindow)
#include "tst_guestswindow.moc"
