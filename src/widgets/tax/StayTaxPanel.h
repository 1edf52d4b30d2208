#pragma once

#include "engine/archive/Record.h"
#include "engine/guests/PoliceCodes.h"
#include "engine/reports/ReportStays.h"
#include "engine/tax/StayTax.h"
#include "engine/tax/TaxRule.h"

#include <QGroupBox>

class QLabel;
class QPushButton;
class QTableWidget;

// The tourist tax of the stay shown in the guests window, recomputed as the
// guests are edited: each guest's nights taxed, the nights exempt with
// their reason and the amount, the total, and the note of the tax received
// (cmdRicevutaImposta) to hand to the guests, previewed and printed through
// the report engine.
class StayTaxPanel : public QGroupBox
{
    Q_OBJECT
public:
    StayTaxPanel(const PoliceCodes &codes, QWidget *parent = nullptr);

    // The contract of the stay: its comune and dates, and the rules of the
    // program folder as they are now.
    void setStay(const Record &contract);
    // The guests as they are on screen, saved or not.
    void showGuests(const QList<Guest> &guests);

private:
    void cmdRicevutaImpostaClick();
    bool hasTax() const;

    const PoliceCodes &m_codes;
    ReportStay m_stay;
    QString m_comuneLabel;
    QString m_problem;  // why there is no tax to show; empty when there is
    QList<TaxRule> m_rules;
    StayTax::Result m_result;

    QLabel *m_comune = nullptr;
    QTableWidget *m_grid = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_note = nullptr;
};
