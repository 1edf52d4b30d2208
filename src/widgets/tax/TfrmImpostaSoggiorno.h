#pragma once

#include "engine/guests/PoliceCodes.h"
#include "engine/tax/TaxRule.h"

#include <QDialog>

#include <memory>

class PlaceComboBox;
class QCheckBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

// The tourist tax rules, one per comune and period: the list, one rule's
// form (the comune typed ahead from the police tables, the dates, the rate
// per guest and night, the most nights taxed, the age under which a guest
// pays nothing, whether the comune's residents pay), new, save and delete.
// Each save writes the whole rules file; edits not saved are dropped on
// leaving, as in the card windows. Opened from the home window.
class TfrmImpostaSoggiorno : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmImpostaSoggiorno(QWidget *owner = nullptr);

    const QList<TaxRule> &rules() const { return m_rules; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildForm();
    QLayout *buildButtons();

    void loadRules();
    void refreshList();
    void showRule(int index);
    void cmdNuovaRegolaClick();
    void cmdSalvaRegolaClick();
    void cmdEliminaRegolaClick();
    // Writes the rules; on failure says so and takes back `previous`.
    bool store(const QList<TaxRule> &previous);

    std::shared_ptr<const PoliceCodes> m_codes;
    QList<TaxRule> m_rules;
    int m_current = -1;  // the rule in the form; -1 for a new one
    bool m_filling = false;

    QListWidget *m_list = nullptr;
    PlaceComboBox *m_comune = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QLineEdit *m_rate = nullptr;
    QLineEdit *m_maxNights = nullptr;
    QLineEdit *m_age = nullptr;
    QCheckBox *m_residents = nullptr;
    QPushButton *m_delete = nullptr;
};
