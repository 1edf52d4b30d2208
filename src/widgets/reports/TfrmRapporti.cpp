#include "widgets/reports/TfrmRapporti.h"

#include "engine/archive/CardOperations.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/platform/Platform.h"
#include "engine/reports/ReportPeriod.h"
#include "engine/reports/ReportWorkbook.h"
#include "engine/reports/TableReport.h"
#include "engine/reports/YearSummary.h"
#include "engine/tax/TaxRuleFile.h"
#include "engine/text/EuroAmount.h"
#include "widgets/export/ExportLauncher.h"
#include "widgets/platform/DialogButtons.h"
#include "widgets/platform/WindowPlacement.h"
#include "widgets/print/ReportOutput.h"
#include "widgets/print/TfrmAnteprimaStampa.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace {

// What each report asks for.
enum Parameter : unsigned {
    Period = 1u << 0,       // quarter or year
    Month = 1u << 1,
    Comune = 1u << 2,
    Property = 1u << 3,
    AnyProperty = 1u << 4,  // "all" among the properties
    Settings = 1u << 5,     // the yearly summary's threshold and rates
};

struct ReportChoice
{
    ReportKind kind;
    const char *name;
    unsigned parameters;
};

constexpr std::array kChoices = {
    ReportChoice{ReportKind::TaxReturn, "Imposta di soggiorno: dichiarazione per comune", Period | Comune},
    ReportChoice{ReportKind::YearSummary, "Riepilogo annuale per immobile", Property | AnyProperty | Settings},
    ReportChoice{ReportKind::FlowRegister, "Movimento dei clienti del mese (modello ISTAT C/59)", Month | Property},
};

const QString kPrintFailure = QStringLiteral(
    "Attenzione: la stampa del rapporto non è andata a buon fine.\n\r\n\r"
    "Si consiglia di controllare le impostazioni della stampante.");

QComboBox *combo(QWidget *parent, const char *name)
{
    auto *result = new QComboBox(parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

QString settingsPath()
{
    return QDir(platform().programFolder()).filePath(YearSummary::settingsFile());
}

} // namespace

TfrmRapporti::TfrmRapporti(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_codes(PoliceTableStore::codes())
{
    setObjectName(QStringLiteral("frmRapporti"));
    setWindowTitle(QStringLiteral(" Rapporti"));
    m_report = combo(this, "cboRapporto");
    for (const ReportChoice &choice : kChoices)
        m_report->addItem(QString::fromUtf8(choice.name), static_cast<int>(choice.kind));

    auto *layout = new QVBoxLayout(this);
    auto *top = new QFormLayout;
    top->addRow(QStringLiteral("Rapporto:"), m_report);
    layout->addLayout(top);
    layout->addWidget(buildParameters());
    layout->addWidget(buildSettings());
    layout->addStretch();
    layout->addLayout(buildButtons());
    connect(m_report, &QComboBox::currentIndexChanged, this, &TfrmRapporti::reportChosen);
    resize(640, 420);
}

QGroupBox *TfrmRapporti::buildParameters()
{
    auto *box = new QGroupBox(QStringLiteral("Parametri"), this);
    m_form = new QFormLayout(box);
    m_year = new QSpinBox(box);
    m_year->setObjectName(QStringLiteral("txtAnno"));
    m_year->setRange(2000, 2100);
    m_quarter = combo(box, "cboPeriodo");
    for (int quarter = 1; quarter <= 4; ++quarter)
        m_quarter->addItem(QStringLiteral("%1° trimestre").arg(quarter), quarter);
    m_quarter->addItem(QStringLiteral("Anno intero"), 0);
    m_month = combo(box, "cboMese");
    for (int month = 1; month <= 12; ++month)
        m_month->addItem(ReportPeriods::monthName(month), month);
    m_comune = combo(box, "cboComune");
    m_property = combo(box, "cboImmobile");
    m_property->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_form->addRow(QStringLiteral("Anno:"), m_year);
    m_form->addRow(QStringLiteral("Periodo:"), m_quarter);
    m_form->addRow(QStringLiteral("Mese:"), m_month);
    m_form->addRow(QStringLiteral("Comune:"), m_comune);
    m_form->addRow(QStringLiteral("Immobile:"), m_property);
    return box;
}

QGroupBox *TfrmRapporti::buildSettings()
{
    m_settings = new QGroupBox(QStringLiteral("Impostazioni del riepilogo (stima)"), this);
    auto *form = new QFormLayout(m_settings);
    const auto edit = [this](const char *name, const QString &tip) {
        auto *result = new QLineEdit(m_settings);
        result->setObjectName(QLatin1String(name));
        result->setMaxLength(6);
        result->setToolTip(tip);
        return result;
    };
    m_threshold = edit("txtSogliaImpresa", QStringLiteral("Numero di immobili locati per brevi periodi da cui "
                                                          "l'attività si considera d'impresa."));
    m_threshold->setMaxLength(YearSummary::kThresholdDigits);
    m_firstRate = edit("txtCedolarePrima", QStringLiteral("Aliquota della cedolare secca sull'immobile con i canoni "
                                                          "più alti."));
    m_otherRate = edit("txtCedolareAltre", QStringLiteral("Aliquota della cedolare secca sugli altri immobili."));
    form->addRow(QStringLiteral("Attività d'impresa da (immobili):"), m_threshold);
    form->addRow(QStringLiteral("Cedolare secca, primo immobile (%):"), m_firstRate);
    form->addRow(QStringLiteral("Cedolare secca, altri immobili (%):"), m_otherRate);
    return m_settings;
}

QLayout *TfrmRapporti::buildButtons()
{
    using DialogButtons::action;
    QPushButton *preview = action(QStringLiteral("cmdAnteprima"), QStringLiteral("Anteprima"),
                                  QStringLiteral("Visualizza il rapporto come sarà stampato."), this);
    QPushButton *print = action(QStringLiteral("cmdStampa"), QStringLiteral("Stampa"),
                                QStringLiteral("Stampa il rapporto."), this);
    QPushButton *pdf = action(QStringLiteral("cmdPdf"), QStringLiteral("Salva PDF"),
                              QStringLiteral("Salva il rapporto in un documento PDF."), this);
    QPushButton *xlsx = action(QStringLiteral("cmdExcel"), QStringLiteral("Esporta in Excel"),
                               QStringLiteral("Scrive il rapporto in una cartella di lavoro .xlsx nella cartella del "
                                              "programma."),
                               this);
    QPushButton *close = action(QStringLiteral("cmdChiudi"), QStringLiteral("Chiudi"),
                                QStringLiteral("Chiude la finestra."), this);
    connect(preview, &QPushButton::clicked, this, &TfrmRapporti::cmdAnteprimaClick);
    connect(print, &QPushButton::clicked, this, &TfrmRapporti::cmdStampaClick);
    connect(pdf, &QPushButton::clicked, this, &TfrmRapporti::cmdPdfClick);
    connect(xlsx, &QPushButton::clicked, this, &TfrmRapporti::cmdExcelClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return DialogButtons::split({preview, print, pdf, xlsx}, {close});
}

void TfrmRapporti::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    WindowPlacement::centreOnScreen(this);
    const QDate today = platform().today();
    m_year->setValue(today.year());
    m_quarter->setCurrentIndex((today.month() - 1) / 3);
    m_month->setCurrentIndex(today.month() - 1);
    const YearSummary::Settings settings = YearSummary::readSettings(settingsPath());
    m_threshold->setText(QString::number(settings.businessThreshold));
    m_firstRate->setText(EuroAmount::formatBasisPoints(settings.firstRateBasisPoints));
    m_otherRate->setText(EuroAmount::formatBasisPoints(settings.otherRateBasisPoints));
    fillChoices();
    reportChosen();
}

// The comuni that have rules and the properties that have stays, as the
// archives hold them now.
void TfrmRapporti::fillChoices()
{
    m_comune->clear();
    const TaxRuleFile::Loaded rules = TaxRuleFile::load(platform().programFolder());
    QStringList seen;
    for (const TaxRule &rule : rules.rules) {
        if (!seen.contains(rule.comuneCode)) {
            seen.append(rule.comuneCode);
            m_comune->addItem(rule.comuneLabel(), rule.comuneCode);
        }
    }
    m_comune->model()->sort(0);
    m_comune->setCurrentIndex(m_comune->count() > 0 ? 0 : -1);

    m_property->clear();
    const std::optional<ReportStayList> stays = ReportStays::read(platform().programFolder(), *m_codes);
    if (!stays || !rules.readable)
        CardOperations::showAccessDenied(MessageKind::Error);
    if (stays) {
        for (const ReportProperty &property : Reports::properties(*stays))
            m_property->addItem(property.label, property.key);
    }
}

void TfrmRapporti::reportChosen()
{
    const ReportChoice &choice = kChoices[std::max(0, m_report->currentIndex())];
    m_form->setRowVisible(m_quarter, choice.parameters & Period);
    m_form->setRowVisible(m_month, choice.parameters & Month);
    m_form->setRowVisible(m_comune, choice.parameters & Comune);
    m_form->setRowVisible(m_property, choice.parameters & Property);
    m_settings->setVisible(choice.parameters & Settings);
    // "All the properties" only where the report can take them all.
    const bool hasAll = m_property->count() > 0 && m_property->itemData(0).toByteArray().isEmpty();
    const bool wantsAll = choice.parameters & AnyProperty;
    if (wantsAll && !hasAll)
        m_property->insertItem(0, QStringLiteral("Tutti gli immobili"), QByteArray());
    else if (!wantsAll && hasAll)
        m_property->removeItem(0);
    if (m_property->currentIndex() < 0 && m_property->count() > 0)
        m_property->setCurrentIndex(0);
}

ReportRequest TfrmRapporti::request() const
{
    ReportRequest result;
    result.kind = static_cast<ReportKind>(m_report->currentData().toInt());
    result.year = m_year->value();
    result.quarter = m_quarter->currentData().toInt();
    result.month = m_month->currentData().toInt();
    result.comuneCode = m_comune->currentData().toString();
    result.comuneLabel = m_comune->currentText();
    result.propertyKey = m_property->currentData().toByteArray();
    return result;
}

std::optional<YearSummary::Settings> TfrmRapporti::saveSummarySettings()
{
    const std::optional<int> threshold = YearSummary::parseThreshold(m_threshold->text());
    const std::optional<qint64> first = YearSummary::parseRate(m_firstRate->text());
    const std::optional<qint64> other = YearSummary::parseRate(m_otherRate->text());
    if (!threshold) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: la soglia dell'attività d'impresa deve essere un numero "
                                              "intero di immobili, almeno 1."));
        m_threshold->setFocus();
        return std::nullopt;
    }
    for (const auto &[rate, edit] : {std::pair{first, m_firstRate}, std::pair{other, m_otherRate}}) {
        if (!rate) {
            platform().showMessage(MessageKind::Warning,
                                   QStringLiteral("Attenzione: l'aliquota della cedolare secca deve essere una "
                                                  "percentuale, ad esempio 21 o 26."));
            edit->setFocus();
            return std::nullopt;
        }
    }
    const YearSummary::Settings wanted{*threshold, *first, *other};
    // Not worth stopping the report for: the report is made with the
    // figures typed whether or not they could be saved.
    if (wanted != YearSummary::readSettings(settingsPath()))
        YearSummary::writeSettings(settingsPath(), wanted);
    return wanted;
}

std::optional<ReportTable> TfrmRapporti::makeReport()
{
    ReportRequest wanted = request();
    const ReportChoice &choice = kChoices[std::max(0, m_report->currentIndex())];
    if ((choice.parameters & Comune) && wanted.comuneCode.isEmpty()) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: per la dichiarazione è necessario scegliere un comune. "
                                              "I comuni sono quelli delle regole dell'imposta di soggiorno."));
        return std::nullopt;
    }
    if ((choice.parameters & Property) && m_property->currentIndex() < 0) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: per questo rapporto è necessario scegliere un immobile "
                                              "tra quelli dei contratti in archivio."));
        return std::nullopt;
    }
    if (choice.parameters & Settings) {
        wanted.summarySettings = saveSummarySettings();
        if (!wanted.summarySettings)
            return std::nullopt;
    }
    std::optional<ReportTable> table = Reports::make(wanted, platform().programFolder(), *m_codes);
    if (!table)
        CardOperations::showAccessDenied(MessageKind::Error);
    return table;
}

void TfrmRapporti::cmdAnteprimaClick()
{
    if (const std::optional<ReportTable> table = makeReport()) {
        TfrmAnteprimaStampa preview(TableReport::prepare(*table, platform().today()),
                                    {kPrintFailure, table->pdfName()}, this);
        preview.exec();
    }
}

void TfrmRapporti::cmdStampaClick()
{
    if (const std::optional<ReportTable> table = makeReport())
        ReportOutput::print(TableReport::prepare(*table, platform().today()), kPrintFailure);
}

void TfrmRapporti::cmdPdfClick()
{
    if (const std::optional<ReportTable> table = makeReport())
        ReportOutput::savePdf(TableReport::prepare(*table, platform().today()), table->pdfName());
}

void TfrmRapporti::cmdExcelClick()
{
    const std::optional<ReportTable> table = makeReport();
    if (!table)
        return;
    const QString path = platform().programFolder() + Reports::workbookFile(request().kind);
    offerWrittenFile(path, ReportWorkbook::write(path, *table));
}
