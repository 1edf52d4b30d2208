#pragma once

#include "engine/guests/Guest.h"
#include "engine/reports/ReportTable.h"
#include "engine/tax/StayTax.h"

#include <QDate>
#include <QList>
#include <QString>

// The note of the tourist tax received for a stay, which the landlord hands
// to the guests: who collects it, for which comune and stay, each guest's
// nights taxed and exempt with the reason, the rates, the amounts and the
// total, room for the signature. Printed on A4 through the report engine.
namespace TaxNote {

struct Stay
{
    QString landlord;
    QString landlordFiscalCode;
    QString property;     // "Via Roma 1 - RIMINI (RN)"
    QString comuneLabel;  // "RIMINI (RN)"
    QDate arrival;
    QDate departure;
    QList<Guest> guests;
};

// A guest's exemptions in words: "2 notti per età, 1 notte oltre il
// massimo di notti"; the guest's own reason stands for "altro motivo".
QString exemptionText(const StayTax::GuestTax &tax);

ReportTable table(const Stay &stay, const StayTax::Result &tax);

} // namespace TaxNote
