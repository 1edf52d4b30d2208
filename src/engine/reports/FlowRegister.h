#pragma once

#include "engine/reports/ReportPeriod.h"
#include "engine/reports/ReportStays.h"
#include "engine/reports/ReportTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

class PoliceCodes;

// The monthly register of the tourist flow of one property, laid out as the
// ISTAT model C/59 ("Movimento dei clienti negli esercizi ricettivi") that
// the regional statistics offices ask of small lodgings: for each day of
// the month the guests present the night before, arrived, departed and
// present that night; for the month, the arrivals and the presences
// (nights spent, one a guest and night) by residence, the province for
// residents in Italy and the state for residents abroad.
//
// A guest arrives on the stay's first day, leaves on its last and is
// present on the nights between; the presences of the month are the sum
// of the guests present each night of it.
namespace FlowRegister {

struct Day
{
    QDate date;
    int presentBefore = 0;  // the night before
    int arrivals = 0;
    int departures = 0;
    int present = 0;        // the night of the day
};

struct Origin
{
    QString label;    // the province's code ("RN") or the state's name ("FRANCIA")
    bool abroad = false;
    bool known = true;
    int arrivals = 0;
    int presences = 0;
};

struct Register
{
    ReportProperty property;
    ReportPeriod month;
    QList<Day> days;
    QList<Origin> origins;  // Italy by province, then abroad by state, then unknown
    int arrivals = 0;
    int departures = 0;
    int presences = 0;
    int stays = 0;             // with a day in the month
    int withoutGuestList = 0;  // counted with the tenant alone
};

Register compute(const ReportStayList &stays, const QByteArray &propertyKey, int year, int month,
                 const PoliceCodes &codes);

ReportTable table(const Register &book);

} // namespace FlowRegister
