#include "widgets/tax/StayTaxPanel.h"

#include "engine/platform/Platform.h"
#include "engine/reports/ReportStays.h"
#include "engine/reports/TableReport.h"
#include "engine/reports/TaxNote.h"
#include "engine/tax/StayComune.h"
#include "engine/tax/TaxRuleFile.h"
#include "engine/text/EuroAmount.h"
#include "engine/text/TextRules.h"
#include "widgets/print/TfrmAnteprimaStampa.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kPrintFailure = QStringLiteral(
    "Attenzione: la stampa della ricevuta dell'imposta non è andata a buon fine.\n\r\n\r"
    "Si consiglia di controllare le impostazioni della stampante.");

QTableWidgetItem *cell(const QString &text, bool figures)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    if (figures)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

StayTaxPanel::StayTaxPanel(const PoliceCodes &codes, QWidget *parent)
    : QGroupBox(QStringLiteral("Imposta di soggiorno"), parent)
    , m_codes(codes)
{
    setObjectName(QStringLiteral("grpImposta"));
    m_comune = new QLabel(this);
    m_comune->setObjectName(QStringLiteral("lblImpostaComune"));
    m_comune->setWordWrap(true);
    m_grid = new QTableWidget(0, 4, this);
    m_grid->setObjectName(QStringLiteral("grdImposta"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Ospite"), QStringLiteral("Notti tassate"),
                                       QStringLiteral("Notti esenti e motivo"), QStringLiteral("Imposta €")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    // A few guests in sight; the guests' list and form keep the room.
    m_grid->setMaximumHeight(140);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("lblImpostaTotale"));
    m_note = new QPushButton(QStringLiteral("Ricevuta imposta"), this);
    m_note->setObjectName(QStringLiteral("cmdRicevutaImposta"));
    m_note->setToolTip(QStringLiteral("Anteprima e stampa della ricevuta dell'imposta di soggiorno da consegnare "
                                      "agli ospiti."));
    m_note->setAutoDefault(false);
    connect(m_note, &QPushButton::clicked, this, &StayTaxPanel::cmdRicevutaImpostaClick);

    auto *foot = new QHBoxLayout;
    foot->addWidget(m_total, 1);
    foot->addWidget(m_note);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_comune);
    layout->addWidget(m_grid, 1);
    layout->addLayout(foot);
}

void StayTaxPanel::setStay(const Record &contract)
{
    m_stay = ReportStays::stayOf(contract);
    m_problem.clear();
    const std::optional<PolicePlace> comune = StayComune::ofContract(m_codes, contract);
    m_comuneLabel = comune ? comune->label()
                           : TextRules::trimmed(contract.value(QStringLiteral("ComuneImm")) + QStringLiteral(" (")
                                                + contract.value(QStringLiteral("ProvImm")) + QLatin1Char(')'));
    const TaxRuleFile::Loaded rules = TaxRuleFile::load(platform().programFolder());
    m_rules = rules.rules;
    if (!comune) {
        m_problem = QStringLiteral("Il comune dell'immobile, %1, non si trova nelle tabelle dei comuni: l'imposta "
                                   "di soggiorno non si può calcolare.")
                        .arg(m_comuneLabel);
    } else if (!rules.readable) {
        m_problem = QStringLiteral("Le regole dell'imposta di soggiorno non si possono leggere.");
    } else {
        m_stay.property.comuneCode = comune->code;
    }
    if (m_problem.isEmpty() && (!m_stay.arrival.isValid() || m_stay.departure < m_stay.arrival))
        m_problem = QStringLiteral("Le date del soggiorno non sono valide: l'imposta non si può calcolare.");
}

bool StayTaxPanel::hasTax() const
{
    return m_problem.isEmpty() && m_result.total.all() > m_result.total.withoutRule;
}

void StayTaxPanel::showGuests(const QList<Guest> &guests)
{
    m_stay.guests = guests;
    m_result = m_problem.isEmpty() ? StayTax::compute(m_stay.taxStay(), m_rules) : StayTax::Result();
    m_grid->setRowCount(0);
    if (!m_problem.isEmpty()) {
        m_comune->setText(m_problem);
        m_total->clear();
        m_note->setEnabled(false);
        return;
    }
    if (!hasTax() && m_stay.taxStay().nights() > 0) {
        m_comune->setText(QStringLiteral("Nessuna regola dell'imposta di soggiorno per %1 nelle notti del "
                                         "soggiorno: si impostano con l'icona dell'imposta di soggiorno della "
                                         "schermata iniziale.")
                              .arg(m_comuneLabel));
    } else {
        m_comune->setText(QStringLiteral("Comune di %1.").arg(m_comuneLabel));
    }
    m_grid->setRowCount(int(guests.size()));
    for (int g = 0; g < guests.size(); ++g) {
        const StayTax::GuestTax &tax = m_result.guests.at(g);
        const QString name = guests.at(g).fullName();
        m_grid->setItem(g, 0, cell(name, false));
        m_grid->setItem(g, 1, cell(QString::number(tax.nights.taxable), true));
        m_grid->setItem(g, 2, cell(TaxNote::exemptionText(tax), false));
        m_grid->setItem(g, 3, cell(EuroAmount::format(tax.nights.amountCents), true));
    }
    m_grid->resizeColumnToContents(0);
    m_total->setText(QStringLiteral("Totale imposta: %1 (%2 notti tassate, %3 esenti).")
                         .arg(EuroAmount::withEuroSign(m_result.total.amountCents))
                         .arg(m_result.total.taxable)
                         .arg(m_result.total.exemptTotal()));
    m_note->setEnabled(hasTax());
}

void StayTaxPanel::cmdRicevutaImpostaClick()
{
    if (!hasTax())
        return;
    const ReportTable note = TaxNote::table(m_stay, m_comuneLabel, m_result);
    TfrmAnteprimaStampa preview(TableReport::prepare(note, platform().today()), {kPrintFailure, note.pdfName()},
                                window());
    preview.exec();
}
