#include "widgets/tax/TfrmImpostaSoggiorno.h"

#include "engine/archive/CardOperations.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/platform/Platform.h"
#include "engine/tax/TaxRuleChecks.h"
#include "engine/tax/TaxRuleFile.h"
#include "engine/text/DateText.h"
#include "engine/text/EuroAmount.h"
#include "widgets/guests/PlaceComboBox.h"
#include "widgets/platform/DialogButtons.h"
#include "widgets/platform/WindowPlacement.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <variant>

namespace {

QLineEdit *lineEdit(const char *name, int maxLength, const QString &placeholder, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    edit->setPlaceholderText(placeholder);
    return edit;
}

// "RIMINI (RN) - dal 01/01/2026 al 31/12/2026 - € 1,50 a notte, al massimo
// 7 notti, esenti i minori di 14 anni e i residenti".
QString ruleLine(const TaxRule &rule)
{
    QString line = rule.comuneLabel() + QStringLiteral(" - ") + rule.periodText();
    line += QStringLiteral(" - ") + EuroAmount::withEuroSign(rule.rateCents) + QStringLiteral(" a notte");
    if (rule.maxNights > 0)
        line += QStringLiteral(", al massimo %1 notti").arg(rule.maxNights);
    QStringList exempt;
    if (rule.exemptUnderAge > 0)
        exempt.append(QStringLiteral("i minori di %1 anni").arg(rule.exemptUnderAge));
    if (rule.residentsExempt)
        exempt.append(QStringLiteral("i residenti"));
    if (!exempt.isEmpty())
        line += QStringLiteral(", esenti ") + exempt.join(QStringLiteral(" e "));
    return line;
}

} // namespace

TfrmImpostaSoggiorno::TfrmImpostaSoggiorno(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_codes(PoliceTableStore::codes())
{
    setObjectName(QStringLiteral("frmImpostaSoggiorno"));
    setWindowTitle(QStringLiteral(" Imposta di soggiorno"));
    auto *intro = new QLabel(QStringLiteral("Una regola per comune e periodo: ogni notte di un soggiorno paga la "
                                            "tariffa della regola in vigore quel giorno."),
                             this);
    intro->setWordWrap(true);
    auto *listBox = new QGroupBox(QStringLiteral("Regole"), this);
    auto *listLayout = new QVBoxLayout(listBox);
    m_list = new QListWidget(listBox);
    m_list->setObjectName(QStringLiteral("lstRegole"));
    listLayout->addWidget(m_list);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling)
            showRule(row);
    });

    auto *middle = new QHBoxLayout;
    middle->addWidget(listBox, 3);
    middle->addWidget(buildForm(), 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(middle, 1);
    layout->addLayout(buildButtons());
    resize(980, 480);
}

QWidget *TfrmImpostaSoggiorno::buildForm()
{
    auto *box = new QGroupBox(QStringLiteral("Regola"), this);
    auto *form = new QFormLayout(box);
    m_comune = new PlaceComboBox(*m_codes, PlaceFilter::Comuni, PlacePurpose::Current, box);
    m_comune->setObjectName(QStringLiteral("cboComune"));
    m_from = lineEdit("txtDal", 10, QStringLiteral("gg/mm/aaaa"), box);
    m_to = lineEdit("txtAl", 10, QStringLiteral("vuoto: senza data di fine"), box);
    m_rate = lineEdit("txtTariffa", 11, QStringLiteral("ad esempio 1,50"), box);
    m_maxNights = lineEdit("txtNottiMax", 3, QStringLiteral("vuoto: nessun limite"), box);
    m_age = lineEdit("txtEtaEsenzione", 3, QStringLiteral("vuoto: nessuna"), box);
    m_residents = new QCheckBox(QStringLiteral("I residenti del comune sono esenti"), box);
    m_residents->setObjectName(QStringLiteral("chkResidenti"));
    form->addRow(QStringLiteral("Comune:"), m_comune);
    form->addRow(QStringLiteral("Valida dal:"), m_from);
    form->addRow(QStringLiteral("Valida al:"), m_to);
    form->addRow(QStringLiteral("Tariffa per persona e notte (€):"), m_rate);
    form->addRow(QStringLiteral("Notti soggette al massimo:"), m_maxNights);
    form->addRow(QStringLiteral("Esenti sotto i (anni):"), m_age);
    form->addRow(QString(), m_residents);
    return box;
}

QLayout *TfrmImpostaSoggiorno::buildButtons()
{
    using DialogButtons::action;
    QPushButton *add = action(QStringLiteral("cmdNuovaRegola"), QStringLiteral("Nuova regola"),
                              QStringLiteral("Prepara il modulo per una nuova regola."), this);
    QPushButton *save = action(QStringLiteral("cmdSalvaRegola"), QStringLiteral("Salva"),
                               QStringLiteral("Salva la regola del modulo."), this);
    m_delete = action(QStringLiteral("cmdEliminaRegola"), QStringLiteral("Elimina"),
                      QStringLiteral("Elimina la regola scelta nell'elenco."), this);
    QPushButton *close = action(QStringLiteral("cmdChiudi"), QStringLiteral("Chiudi"),
                                QStringLiteral("Chiude la finestra; le modifiche non salvate vanno perse."), this);
    connect(add, &QPushButton::clicked, this, &TfrmImpostaSoggiorno::cmdNuovaRegolaClick);
    connect(save, &QPushButton::clicked, this, &TfrmImpostaSoggiorno::cmdSalvaRegolaClick);
    connect(m_delete, &QPushButton::clicked, this, &TfrmImpostaSoggiorno::cmdEliminaRegolaClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return DialogButtons::split({add, save, m_delete}, {close});
}

void TfrmImpostaSoggiorno::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    WindowPlacement::centreOnScreen(this);
    loadRules();
}

void TfrmImpostaSoggiorno::loadRules()
{
    const TaxRuleFile::Loaded loaded = TaxRuleFile::load(platform().programFolder());
    if (!loaded.readable)
        CardOperations::showAccessDenied(MessageKind::Error);
    m_rules = loaded.rules;
    TaxRules::sort(m_rules);
    refreshList();
    showRule(-1);
}

void TfrmImpostaSoggiorno::refreshList()
{
    m_filling = true;
    m_list->clear();
    for (const TaxRule &rule : m_rules)
        m_list->addItem(ruleLine(rule));
    m_list->setCurrentRow(m_current);
    m_filling = false;
}

void TfrmImpostaSoggiorno::showRule(int index)
{
    m_current = index >= 0 && index < m_rules.size() ? index : -1;
    const TaxRule rule = m_current >= 0 ? m_rules.at(m_current) : TaxRule();
    m_comune->setCode(rule.comuneCode);
    m_from->setText(rule.validFrom.isValid() ? DateText::format(rule.validFrom) : QString());
    m_to->setText(rule.validTo.isValid() ? DateText::format(rule.validTo) : QString());
    m_rate->setText(m_current >= 0 ? EuroAmount::format(rule.rateCents) : QString());
    m_maxNights->setText(TaxRules::optionalNumber(rule.maxNights));
    m_age->setText(TaxRules::optionalNumber(rule.exemptUnderAge));
    m_residents->setChecked(rule.residentsExempt);
    m_delete->setEnabled(m_current >= 0);
    if (m_current < 0 && m_list->currentRow() >= 0) {
        m_filling = true;
        m_list->setCurrentRow(-1);
        m_filling = false;
    }
}

void TfrmImpostaSoggiorno::cmdNuovaRegolaClick()
{
    showRule(-1);
    m_comune->setFocus();
}

bool TfrmImpostaSoggiorno::store(const QList<TaxRule> &previous)
{
    if (TaxRuleFile::save(platform().programFolder(), m_rules))
        return true;
    m_rules = previous;
    CardOperations::showAccessDenied(MessageKind::Warning);
    return false;
}

void TfrmImpostaSoggiorno::cmdSalvaRegolaClick()
{
    QList<TaxRule> others = m_rules;
    if (m_current >= 0)
        others.removeAt(m_current);
    const TaxRuleForm form{m_comune->code(), m_from->text(), m_to->text(), m_rate->text(),
                           m_maxNights->text(), m_age->text(), m_residents->isChecked()};
    const auto checked = TaxRuleChecks::check(form, *m_codes, others);
    if (const auto *problem = std::get_if<TaxRuleProblem>(&checked)) {
        platform().showMessage(MessageKind::Warning, problem->message);
        if (auto *control = findChild<QWidget *>(problem->focusControl))
            control->setFocus();
        return;
    }
    const TaxRule rule = std::get<TaxRule>(checked);
    const QList<TaxRule> previous = m_rules;
    const bool isNew = m_current < 0;
    if (isNew)
        m_rules.append(rule);
    else
        m_rules[m_current] = rule;
    TaxRules::sort(m_rules);
    if (!store(previous))
        return;
    m_current = int(m_rules.indexOf(rule));
    refreshList();
    showRule(m_current);
    platform().showMessage(MessageKind::Information,
                           isNew ? QStringLiteral("La nuova regola è stata salvata.")
                                 : QStringLiteral("Le modifiche alla regola sono state salvate."));
}

void TfrmImpostaSoggiorno::cmdEliminaRegolaClick()
{
    if (m_current < 0)
        return;
    if (!platform().askYesNo(QStringLiteral("Eliminare la regola %1?").arg(ruleLine(m_rules.at(m_current))),
                             DefaultAnswer::No))
        return;
    const QList<TaxRule> previous = m_rules;
    m_rules.removeAt(m_current);
    if (!store(previous))
        return;
    m_current = -1;
    refreshList();
    showRule(-1);
}
