#pragma once

#include "engine/archive/Record.h"
#include "engine/guests/Guest.h"
#include "engine/guests/GuestArchive.h"
#include "engine/guests/PoliceCodes.h"

#include <QDialog>

class PlaceComboBox;
class StayTaxPanel;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

// The guests of one stay: the list, one guest's details at a time, the
// tourist tax of the stay with its note for the guests, the police file of
// the stay. Opened from the contract window for the contract
// it shows, which must be stored; the list is kept in the guests archive
// under the contract's position.
class TfrmOspiti : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOspiti(const PoliceCodes &codes, QWidget *owner = nullptr);

    // The stored contract (its record and position): shows the stay and its
    // guests, or starts a list with the tenant.
    void setStay(const Record &contract, qint64 position);

    const QList<Guest> &guests() const { return m_guests; }
    bool hasUnsavedChanges() const { return m_dirty; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    QWidget *buildStay();
    QWidget *buildList();
    QWidget *buildGuestForm();
    QLayout *buildButtons();

    void showGuest(int index);
    void readForm();
    void refreshList();
    void markChanged();

    void cmdNuovoOspiteClick();
    void cmdEliminaOspiteClick();
    bool cmdSalvaOspitiClick();
    void cmdSchedineClick();
    void cmdArriviClick();
    // Asks whether to save unsaved changes; false when the window must stay.
    bool mayLeave();

    QString placeCode(const QString &name, const QString &province) const;

    const PoliceCodes &m_codes;
    Record m_contract;
    qint64 m_position = 0;
    GuestArchive::Link m_link;
    QList<Guest> m_guests;
    int m_current = -1;
    bool m_dirty = false;
    bool m_filling = false;  // the form is being filled, not edited

    QLabel *m_tenant = nullptr;
    QLabel *m_property = nullptr;
    QLineEdit *m_arrival = nullptr;
    QLineEdit *m_nights = nullptr;
    QListWidget *m_list = nullptr;
    QLineEdit *m_surname = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_sex = nullptr;
    QLineEdit *m_birthDate = nullptr;
    PlaceComboBox *m_birthPlace = nullptr;
    PlaceComboBox *m_citizenship = nullptr;
    PlaceComboBox *m_residence = nullptr;
    QComboBox *m_type = nullptr;
    QComboBox *m_documentType = nullptr;
    QLineEdit *m_documentNumber = nullptr;
    PlaceComboBox *m_documentPlace = nullptr;
    QLineEdit *m_exemption = nullptr;
    QPushButton *m_delete = nullptr;
    StayTaxPanel *m_tax = nullptr;
};
