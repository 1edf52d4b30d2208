#pragma once

#include "engine/reports/ReportPeriod.h"
#include "engine/reports/ReportStays.h"
#include "engine/reports/ReportTable.h"
#include "engine/tax/StayTax.h"
#include "engine/tax/TaxRule.h"

#include <QList>
#include <QString>

// The tourist tax return of a comune for a quarter or a year: the stays in
// its properties, their guests, the nights taxed and exempt by reason, and
// the amount due.
//
// A stay belongs to every period in which one of its nights falls, with
// those nights only: a stay from 30 March to 2 April has the nights of 30
// and 31 March in the first quarter and that of 1 April in the second, and
// counts as a stay (with all its guests) in both quarters' returns, once in
// the year's. The most nights taxed are counted from the stay's first
// night whatever the period.
namespace TaxReturn {

struct StayLine
{
    const ReportStay *stay = nullptr;
    int nights = 0;  // of the stay, in the period
    StayTax::Result tax;
};

struct Summary
{
    QString comuneLabel;  // "RIMINI (RN)"
    ReportPeriod period;
    QList<StayLine> lines;  // by arrival
    StayTax::NightCounts total;
    int guests = 0;
    int withoutGuestList = 0;  // stays counted with the tenant alone
    int unknownComune = 0;     // stays of the period whose comune is not in the tables
    int unreadableContracts = 0;
};

Summary compute(const ReportStayList &stays, const QList<TaxRule> &rules, const QString &comuneCode,
                const QString &comuneLabel, const ReportPeriod &period);

ReportTable table(const Summary &summary);

} // namespace TaxReturn
