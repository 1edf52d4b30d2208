#pragma once

#include "engine/guests/ArrivingStays.h"
#include "engine/guests/PoliceCodes.h"

#include <QDialog>

class QListWidget;

// The stays arriving today or yesterday (the only days the police portal
// takes), to tick and write in one police file.
class TfrmArrivi : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmArrivi(const PoliceCodes &codes, QWidget *owner = nullptr);

    // Reads the archives; false (after the access message) when they
    // cannot be read.
    bool fill();

private:
    void btnScriviClick();

    const PoliceCodes &m_codes;
    QList<ArrivingStays::Arrival> m_arrivals;
    QListWidget *m_list = nullptr;
};
