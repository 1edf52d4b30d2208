#pragma once

#include "engine/reports/ReportStays.h"
#include "engine/reports/ReportTable.h"
#include "engine/tax/StayTax.h"

#include <QString>

// The note of the tourist tax received for a stay, which the landlord hands
// to the guests: who collects it, for which comune and stay, each guest's
// nights taxed and exempt with the reason, the rates, the amounts and the
// total, room for the signature. Printed on A4 through the report engine.
namespace TaxNote {

// A guest's exemptions in words: "2 notti per età, 1 notte oltre il
// massimo di notti"; the guest's own reason stands for "altro motivo".
QString exemptionText(const StayTax::GuestTax &tax);

// `comuneLabel` as the code tables name the comune: "RIMINI (RN)".
ReportTable table(const ReportStay &stay, const QString &comuneLabel, const StayTax::Result &tax);

} // namespace TaxNote
