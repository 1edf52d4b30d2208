#pragma once

#include "engine/properties/PropertyCodes.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// The codes of the property of one landlord record (the CIN, the region's
// code, the apartment's id for the police guest file), opened from the
// landlord window for the record it shows:
//
//     TfrmCodiciImmobile window(position, this);
//     if (window.load())
//         window.exec();
//
// The codes belong to the record as stored, not to unsaved edits on the
// card. "Salva" checks the CIN, saves and closes; "Annulla" closes.
class TfrmCodiciImmobile : public QDialog
{
    Q_OBJECT
public:
    TfrmCodiciImmobile(qint64 landlordPosition, QWidget *owner);

    // Reads the landlord record and the codes saved for it. Codes saved for
    // the landlord the record held before it was written over are not
    // shown, and a message says so. False, after the access message, when
    // the files cannot be read.
    bool load();

private:
    void save();

    qint64 m_position;
    PropertyCodes::Owner m_owner;
    QLabel *m_property;
    QLineEdit *m_cin;
    QLineEdit *m_regionalCode;
    QLineEdit *m_apartmentId;
};
