#include "widgets/guests/TfrmOspiti.h"

#include "engine/archive/CardOperations.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/guests/FirstGuest.h"
#include "engine/guests/PoliceFile.h"
#include "engine/platform/Platform.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"
#include "widgets/guests/PlaceComboBox.h"
#include "widgets/guests/PoliceFileSaving.h"
#include "widgets/guests/TfrmArrivi.h"
#include "widgets/guests/TfrmTabelleQuestura.h"
#include "widgets/platform/DialogButtons.h"
#include "widgets/platform/WindowPlacement.h"
#include "widgets/tax/StayTaxPanel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QString text(const Record &record, const char *field)
{
    return TextRules::trimmed(record.value(QLatin1String(field)));
}

QString typeName(GuestType type)
{
    switch (type) {
    case GuestType::Single: return QStringLiteral("Ospite singolo");
    case GuestType::HeadOfFamily: return QStringLiteral("Capofamiglia");
    case GuestType::HeadOfGroup: return QStringLiteral("Capogruppo");
    case GuestType::FamilyMember: return QStringLiteral("Familiare");
    case GuestType::GroupMember: return QStringLiteral("Membro del gruppo");
    }
    return QString();
}

// "2. Rossi Mario - Familiare": the list's line of the guest at `index`
// (from 0).
QString listText(qsizetype index, const Guest &guest)
{
    const QString name = guest.fullName();
    return QStringLiteral("%1. %2 - %3")
        .arg(index + 1)
        .arg(name.isEmpty() ? QStringLiteral("(senza nome)") : name, typeName(guest.type));
}

// What the guests archive holds of a guest's field ("Cognome"): no more is
// typed than it keeps.
int archiveCapacity(const char *stem)
{
    const RecordLayout &layout = GuestArchive::layout();
    return layout.capacity(layout.indexOf(QLatin1String(stem) + QLatin1String("01")));
}

QLineEdit *lineEdit(const char *name, int maxLength, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

TfrmOspiti::TfrmOspiti(const PoliceCodes &codes, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_codes(codes)
    , m_contract(RecordLayouts::contratto())
{
    setObjectName(QStringLiteral("frmOspiti"));
    setWindowTitle(QStringLiteral(" Ospiti del soggiorno"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildStay());
    auto *middle = new QHBoxLayout;
    middle->addWidget(buildList(), 2);
    middle->addWidget(buildGuestForm(), 3);
    layout->addLayout(middle, 1);
    m_tax = new StayTaxPanel(m_codes, this);
    layout->addWidget(m_tax);
    layout->addLayout(buildButtons());
    resize(980, 760);
}

QWidget *TfrmOspiti::buildStay()
{
    auto *box = new QGroupBox(QStringLiteral("Soggiorno"), this);
    auto *grid = new QGridLayout(box);
    m_tenant = new QLabel(box);
    m_tenant->setObjectName(QStringLiteral("lblConduttore"));
    m_property = new QLabel(box);
    m_property->setObjectName(QStringLiteral("lblImmobile"));
    m_arrival = lineEdit("txtArrivo", 10, box);
    m_arrival->setReadOnly(true);
    m_nights = lineEdit("txtNotti", 3, box);
    m_nights->setReadOnly(true);
    grid->addWidget(new QLabel(QStringLiteral("Conduttore:"), box), 0, 0);
    grid->addWidget(m_tenant, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Arrivo:"), box), 0, 2);
    grid->addWidget(m_arrival, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Immobile:"), box), 1, 0);
    grid->addWidget(m_property, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Notti:"), box), 1, 2);
    grid->addWidget(m_nights, 1, 3);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget *TfrmOspiti::buildList()
{
    auto *box = new QGroupBox(QStringLiteral("Ospiti"), this);
    auto *column = new QVBoxLayout(box);
    m_list = new QListWidget(box);
    m_list->setObjectName(QStringLiteral("lstOspiti"));
    column->addWidget(m_list);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || row == m_current)
            return;
        readForm();
        showGuest(row);
    });
    return box;
}

QWidget *TfrmOspiti::buildGuestForm()
{
    auto *box = new QGroupBox(QStringLiteral("Dati dell'ospite"), this);
    auto *form = new QFormLayout(box);
    m_type = new QComboBox(box);
    m_type->setObjectName(QStringLiteral("cboTipoAlloggiato"));
    m_surname = lineEdit("txtCognome", archiveCapacity("Cognome"), box);
    m_name = lineEdit("txtNome", archiveCapacity("Nome"), box);
    m_sex = new QComboBox(box);
    m_sex->setObjectName(QStringLiteral("cboSesso"));
    m_sex->addItems({QString(), QStringLiteral("M"), QStringLiteral("F")});
    m_birthDate = lineEdit("txtDataNascita", 10, box);
    m_birthDate->setPlaceholderText(QStringLiteral("gg/mm/aaaa"));
    m_birthPlace = new PlaceComboBox(m_codes, PlaceFilter::ComuniAndStates, PlacePurpose::Birth, box);
    m_birthPlace->setObjectName(QStringLiteral("cboLuogoNascita"));
    m_citizenship = new PlaceComboBox(m_codes, PlaceFilter::States, PlacePurpose::Current, box);
    m_citizenship->setObjectName(QStringLiteral("cboCittadinanza"));
    m_residence = new PlaceComboBox(m_codes, PlaceFilter::ComuniAndStates, PlacePurpose::Current, box);
    m_residence->setObjectName(QStringLiteral("cboResidenza"));
    m_documentType = new QComboBox(box);
    m_documentType->setObjectName(QStringLiteral("cboTipoDoc"));
    m_documentType->setEditable(true);
    m_documentType->setInsertPolicy(QComboBox::NoInsert);
    m_documentType->addItem(QString(), QString());
    for (const PoliceTableRow &row : m_codes.documentTypes())
        m_documentType->addItem(row.name, row.code);
    m_documentType->completer()->setFilterMode(Qt::MatchContains);
    m_documentType->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_documentNumber = lineEdit("txtNumDoc", archiveCapacity("NumDoc"), box);
    m_documentPlace = new PlaceComboBox(m_codes, PlaceFilter::ComuniAndStates, PlacePurpose::Current, box);
    m_documentPlace->setObjectName(QStringLiteral("cboLuogoRilascio"));
    m_exemption = lineEdit("txtEsenzione", archiveCapacity("Esenzione"), box);
    m_exemption->setPlaceholderText(QStringLiteral("motivo, ad esempio accompagnatore di paziente"));
    m_exemption->setToolTip(QStringLiteral("Esente dall'imposta di soggiorno per un motivo diverso dall'età o dalla "
                                           "residenza: indicarlo qui."));

    form->addRow(QStringLiteral("Tipo alloggiato:"), m_type);
    form->addRow(QStringLiteral("Cognome:"), m_surname);
    form->addRow(QStringLiteral("Nome:"), m_name);
    form->addRow(QStringLiteral("Sesso:"), m_sex);
    form->addRow(QStringLiteral("Data di nascita:"), m_birthDate);
    form->addRow(QStringLiteral("Luogo di nascita:"), m_birthPlace);
    form->addRow(QStringLiteral("Cittadinanza:"), m_citizenship);
    form->addRow(QStringLiteral("Residenza:"), m_residence);
    form->addRow(QStringLiteral("Tipo documento:"), m_documentType);
    form->addRow(QStringLiteral("Numero documento:"), m_documentNumber);
    form->addRow(QStringLiteral("Luogo di rilascio:"), m_documentPlace);
    form->addRow(QStringLiteral("Esenzione imposta:"), m_exemption);

    for (QLineEdit *edit : {m_surname, m_name, m_birthDate, m_documentNumber, m_exemption})
        connect(edit, &QLineEdit::textEdited, this, &TfrmOspiti::markChanged);
    for (PlaceComboBox *place : {m_birthPlace, m_citizenship, m_residence, m_documentPlace})
        connect(place, &PlaceComboBox::placeEdited, this, &TfrmOspiti::markChanged);
    for (QComboBox *combo : {m_sex, m_documentType})
        connect(combo, &QComboBox::currentIndexChanged, this, &TfrmOspiti::markChanged);
    connect(m_documentType, &QComboBox::editTextChanged, this, &TfrmOspiti::markChanged);
    connect(m_type, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling || m_current != 0 || m_guests.size() < 2)
            return;
        m_guests[0].type = static_cast<GuestType>(m_type->currentData().toInt());
        normaliseTypes(m_guests);
        refreshList();
        markChanged();
    });
    return box;
}

QLayout *TfrmOspiti::buildButtons()
{
    using DialogButtons::action;
    QPushButton *add = action(QStringLiteral("cmdNuovoOspite"), QStringLiteral("Nuovo ospite"),
                              QStringLiteral("Aggiunge un ospite al soggiorno."), this);
    m_delete = action(QStringLiteral("cmdEliminaOspite"), QStringLiteral("Elimina ospite"),
                      QStringLiteral("Toglie dall'elenco l'ospite selezionato."), this);
    QPushButton *save = action(QStringLiteral("cmdSalvaOspiti"), QStringLiteral("Salva"),
                               QStringLiteral("Salva l'elenco degli ospiti in archivio."), this);
    QPushButton *file = action(QStringLiteral("cmdSchedine"), QStringLiteral("Schedine Questura"),
                               QStringLiteral("Scrive il file delle schedine da inviare al portale Alloggiati Web."),
                               this);
    QPushButton *arrivals = action(QStringLiteral("cmdArrivi"), QStringLiteral("Arrivi di oggi e di ieri"),
                                   QStringLiteral("Schedine di tutti i soggiorni arrivati oggi o ieri."), this);
    QPushButton *tables = action(QStringLiteral("cmdTabelle"), QStringLiteral("Tabelle"),
                                 QStringLiteral("Tabelle dei codici del portale Alloggiati Web."), this);
    QPushButton *close = action(QStringLiteral("cmdChiudi"), QStringLiteral("Chiudi"),
                                QStringLiteral("Chiude la finestra degli ospiti."), this);
    connect(add, &QPushButton::clicked, this, &TfrmOspiti::cmdNuovoOspiteClick);
    connect(m_delete, &QPushButton::clicked, this, &TfrmOspiti::cmdEliminaOspiteClick);
    connect(save, &QPushButton::clicked, this, [this] { cmdSalvaOspitiClick(); });
    connect(file, &QPushButton::clicked, this, &TfrmOspiti::cmdSchedineClick);
    connect(arrivals, &QPushButton::clicked, this, &TfrmOspiti::cmdArriviClick);
    connect(tables, &QPushButton::clicked, this, [this] { openPoliceTablesWindow(this); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    return DialogButtons::split({add, m_delete, save, file, arrivals, tables}, {close});
}

void TfrmOspiti::setStay(const Record &contract, qint64 position)
{
    m_contract = contract;
    m_position = position;
    m_link = GuestArchive::linkOf(contract);
    m_tenant->setText(m_link.tenant);
    m_tax->setStay(contract);
    QStringList property;
    for (const char *field : {"ViaImm", "ComuneImm"}) {
        if (!text(contract, field).isEmpty())
            property.append(text(contract, field));
    }
    m_property->setText(property.join(QStringLiteral(", ")));
    m_arrival->setText(m_link.start);
    const std::optional<int> nights = PoliceFile::nightsOf(contract);
    m_nights->setText(nights ? QString::number(*nights) : QString());

    const GuestArchive::Loaded loaded = GuestArchive::load(platform().programFolder(), position, m_link);
    switch (loaded.state) {
    case GuestArchive::Loaded::State::Found:
        m_guests = loaded.guests;
        break;
    case GuestArchive::Loaded::State::Stale:
        platform().showMessage(
            MessageKind::Information,
            QStringLiteral("Attenzione: gli ospiti registrati per questa posizione dell'archivio appartengono a un "
                           "altro soggiorno (%1 dal %2): il contratto è stato sostituito da quello attuale.\n\n"
                           "L'elenco degli ospiti riparte dal Conduttore del contratto.")
                .arg(loaded.storedFor.tenant, loaded.storedFor.start));
        break;
    case GuestArchive::Loaded::State::Unreadable:
        CardOperations::showAccessDenied(MessageKind::Error);
        break;
    case GuestArchive::Loaded::State::None:
        break;
    }
    if (m_guests.isEmpty()) {
        const auto card = FirstGuest::tenantCard(platform().programFolder(), text(contract, "CodFiscCon"));
        m_guests = {FirstGuest::fromContract(contract, card, [this](const QString &name, const QString &province) {
            return placeCode(name, province);
        })};
    }
    normaliseTypes(m_guests);
    m_dirty = false;
    refreshList();
    showGuest(0);
}

QString TfrmOspiti::placeCode(const QString &name, const QString &province) const
{
    const std::optional<PolicePlace> place = m_codes.findPlace(name, province);
    return place ? place->code : QString();
}

void TfrmOspiti::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        WindowPlacement::centreOnScreen(this);
}

void TfrmOspiti::refreshList()
{
    m_filling = true;
    m_list->clear();
    for (qsizetype i = 0; i < m_guests.size(); ++i)
        m_list->addItem(listText(i, m_guests.at(i)));
    if (m_current >= 0 && m_current < m_list->count())
        m_list->setCurrentRow(m_current);
    m_filling = false;
    m_tax->showGuests(m_guests);
}

void TfrmOspiti::showGuest(int index)
{
    m_filling = true;
    m_current = index;
    const bool any = index >= 0 && index < m_guests.size();
    const Guest guest = any ? m_guests.at(index) : Guest();
    for (QWidget *field : std::initializer_list<QWidget *>{m_type, m_surname, m_name, m_sex, m_birthDate, m_birthPlace,
                                                           m_citizenship, m_residence, m_exemption})
        field->setEnabled(any);
    m_delete->setEnabled(any);
    m_type->clear();
    if (any && index == 0 && m_guests.size() > 1) {
        m_type->addItem(typeName(GuestType::HeadOfFamily), static_cast<int>(GuestType::HeadOfFamily));
        m_type->addItem(typeName(GuestType::HeadOfGroup), static_cast<int>(GuestType::HeadOfGroup));
        m_type->setCurrentIndex(guest.type == GuestType::HeadOfGroup ? 1 : 0);
        m_type->setEnabled(true);
    } else {
        m_type->addItem(typeName(guest.type), static_cast<int>(guest.type));
        m_type->setEnabled(false);
    }
    m_surname->setText(guest.surname);
    m_name->setText(guest.name);
    m_sex->setCurrentIndex(guest.sex == QLatin1Char('M') ? 1 : guest.sex == QLatin1Char('F') ? 2 : 0);
    m_birthDate->setText(guest.birthDate.isValid() ? DateText::format(guest.birthDate) : QString());
    m_birthPlace->setCode(guest.birthPlace);
    m_citizenship->setCode(guest.citizenship);
    m_residence->setCode(guest.residence);
    m_exemption->setText(guest.taxExemption);
    const bool documented = any && isHead(guest.type);
    for (QWidget *field : std::initializer_list<QWidget *>{m_documentType, m_documentNumber, m_documentPlace})
        field->setEnabled(documented);
    const int document = m_documentType->findData(guest.documentType);
    m_documentType->setCurrentIndex(document < 0 ? 0 : document);
    m_documentNumber->setText(guest.documentNumber);
    m_documentPlace->setCode(guest.documentPlace);
    if (any && m_list->currentRow() != index)
        m_list->setCurrentRow(index);
    m_filling = false;
}

void TfrmOspiti::readForm()
{
    if (m_current < 0 || m_current >= m_guests.size())
        return;
    Guest &guest = m_guests[m_current];
    guest.surname = TextRules::trimmed(m_surname->text());
    guest.name = TextRules::trimmed(m_name->text());
    guest.sex = m_sex->currentIndex() == 1 ? QLatin1Char('M') : m_sex->currentIndex() == 2 ? QLatin1Char('F') : QChar();
    guest.birthDate = DateText::parse(m_birthDate->text()).value_or(QDate());
    guest.birthPlace = m_birthPlace->code();
    guest.citizenship = m_citizenship->code();
    guest.residence = m_residence->code();
    guest.taxExemption = TextRules::trimmed(m_exemption->text());
    if (isHead(guest.type)) {
        // A document type typed by name counts as the one of that name.
        const int typed = m_documentType->findText(m_documentType->currentText().trimmed(), Qt::MatchFixedString);
        guest.documentType = typed > 0 ? m_documentType->itemData(typed).toString() : QString();
        guest.documentNumber = TextRules::upperAscii(TextRules::trimmed(m_documentNumber->text()));
        guest.documentPlace = m_documentPlace->code();
    }
}

void TfrmOspiti::markChanged()
{
    if (m_filling)
        return;
    m_dirty = true;
    readForm();
    // The list shows the name as it is typed.
    if (QListWidgetItem *item = m_list->item(m_current))
        item->setText(listText(m_current, m_guests.at(m_current)));
    m_tax->showGuests(m_guests);
}

void TfrmOspiti::cmdNuovoOspiteClick()
{
    readForm();
    if (m_guests.size() >= GuestArchive::kMaxGuests) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: un soggiorno può avere al massimo %1 ospiti.")
                                   .arg(GuestArchive::kMaxGuests));
        return;
    }
    Guest guest;
    // Family members often share the head's surname, citizenship and home.
    if (!m_guests.isEmpty()) {
        guest.surname = m_guests.first().surname;
        guest.citizenship = m_guests.first().citizenship;
        guest.residence = m_guests.first().residence;
    }
    m_guests.append(guest);
    normaliseTypes(m_guests);
    m_dirty = true;
    m_current = static_cast<int>(m_guests.size()) - 1;
    refreshList();
    showGuest(m_current);
    m_name->setFocus();
}

void TfrmOspiti::cmdEliminaOspiteClick()
{
    if (m_current < 0 || m_current >= m_guests.size())
        return;
    readForm();
    const QString name = m_guests.at(m_current).fullName();
    if (!platform().askYesNo(QStringLiteral("Eliminare l'ospite %1 dall'elenco?")
                                 .arg(name.isEmpty() ? QStringLiteral("senza nome") : name),
                             DefaultAnswer::No))
        return;
    m_guests.removeAt(m_current);
    normaliseTypes(m_guests);
    m_dirty = true;
    m_current = m_guests.isEmpty() ? -1 : std::min<int>(m_current, static_cast<int>(m_guests.size()) - 1);
    refreshList();
    showGuest(m_current);
}

bool TfrmOspiti::cmdSalvaOspitiClick()
{
    readForm();
    normaliseTypes(m_guests);
    if (!GuestArchive::save(platform().programFolder(), m_position, m_link, m_guests)) {
        CardOperations::showAccessDenied(MessageKind::Warning);
        return false;
    }
    m_dirty = false;
    refreshList();
    platform().showMessage(MessageKind::Information,
                           QStringLiteral("L'elenco degli ospiti è stato salvato in archivio."));
    return true;
}

bool TfrmOspiti::mayLeave()
{
    readForm();
    if (!m_dirty)
        return true;
    if (!platform().askYesNo(QStringLiteral("Le modifiche all'elenco degli ospiti non sono state salvate.\n\n"
                                            "Salvarle adesso?")))
        return true;
    return cmdSalvaOspitiClick();
}

// Closing the window, Esc and "Chiudi" all come here.
void TfrmOspiti::reject()
{
    if (mayLeave())
        QDialog::reject();
}

void TfrmOspiti::cmdSchedineClick()
{
    readForm();
    normaliseTypes(m_guests);
    const PoliceFileResult file = PoliceFile::build(PoliceFile::stayOf(platform().programFolder(), m_contract), m_guests, m_codes);
    if (!file.ok()) {
        PoliceFileSaving::showProblems(file.problems);
        return;
    }
    PoliceFileSaving::save(file.bytes, PoliceFile::proposedFileName(
                                           DateText::parse(m_link.start).value_or(QDate()), m_link.tenant));
}

void TfrmOspiti::cmdArriviClick()
{
    TfrmArrivi arrivals(m_codes, this);
    if (arrivals.fill())
        arrivals.exec();
}
