#pragma once

#include "engine/archive/Record.h"
#include "engine/guests/Guest.h"
#include "engine/guests/PoliceFile.h"

#include <QDate>
#include <QList>
#include <QString>

// The stays whose guests the police portal still takes: those arriving
// today or yesterday.
namespace ArrivingStays {

struct Arrival
{
    qint64 position;      // the contract's, from 1
    Record contract;
    QList<Guest> guests;  // empty when none are stored for this stay
};

// The contracts of `programFolder` starting on `today` or the day before,
// in archive order, each with its stored guests. False when the contract
// archive cannot be read.
bool find(const QString &programFolder, const QDate &today, QList<Arrival> *arrivals);

// One police file of the guests of `arrivals`, one stay after the other.
// Each problem starts with its stay's tenant ("ROSSI MARIO - Ospite 2 ...")
// so that one message can list the problems of every stay.
PoliceFileResult policeFile(const QString &programFolder, const QList<Arrival> &arrivals, const PoliceCodes &codes);

} // namespace ArrivingStays
