#pragma once

#include <QDate>
#include <QString>

// The span of days a report covers, both ends included, and how the report
// names it.
struct ReportPeriod
{
    QDate first;
    QDate last;
    QString name;  // "1° trimestre 2026", "anno 2026", "marzo 2026"

    // "dal 01/01/2026 al 31/03/2026".
    QString range() const;
};

namespace ReportPeriods {

// A quarter (1 to 4) of `year`, or the whole year for 0.
ReportPeriod quarter(int year, int quarter);
// A month (1 to 12) of `year`.
ReportPeriod month(int year, int month);
// "gennaio" ... "dicembre".
QString monthName(int month);

} // namespace ReportPeriods
