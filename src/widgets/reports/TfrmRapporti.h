#pragma once

#include "engine/guests/PoliceCodes.h"
#include "engine/reports/Reports.h"

#include <QDialog>

#include <memory>
#include <optional>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLayout;
class QLineEdit;
class QSpinBox;

// The reports window: the tourist tax return of a comune (by quarter or
// year), the yearly summary per property with its landlords' estimate, and
// the monthly register of the guests' flow of a property. One window for
// the three: the report chosen in cboRapporto shows the parameters it
// takes; each button makes the report afresh from the archives and
// previews it, prints it, saves it as PDF or writes it as a workbook.
// Opened from the home window for one use.
class TfrmRapporti : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmRapporti(QWidget *owner = nullptr);

    // The report the controls ask for.
    ReportRequest request() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *buildParameters();
    QGroupBox *buildSettings();
    QLayout *buildButtons();

    void fillChoices();
    void reportChosen();
    // The report the controls ask for, or nothing after saying what is
    // missing; the summary's settings are saved first.
    std::optional<ReportTable> makeReport();
    // The summary's settings typed, saved when they changed; nothing after
    // a warning about one that does not read.
    std::optional<YearSummary::Settings> saveSummarySettings();

    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPdfClick();
    void cmdExcelClick();

    std::shared_ptr<const PoliceCodes> m_codes;
    QComboBox *m_report = nullptr;
    QFormLayout *m_form = nullptr;
    QSpinBox *m_year = nullptr;
    QComboBox *m_quarter = nullptr;
    QComboBox *m_month = nullptr;
    QComboBox *m_comune = nullptr;
    QComboBox *m_property = nullptr;
    QGroupBox *m_settings = nullptr;
    QLineEdit *m_threshold = nullptr;
    QLineEdit *m_firstRate = nullptr;
    QLineEdit *m_otherRate = nullptr;
};
