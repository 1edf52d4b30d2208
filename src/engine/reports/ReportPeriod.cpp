#include "engine/reports/ReportPeriod.h"

#include "engine/text/DateText.h"
#include "engine/text/ProgramFormats.h"

QString ReportPeriod::range() const
{
    return QStringLiteral("dal %1 al %2").arg(DateText::format(first), DateText::format(last));
}

namespace ReportPeriods {

ReportPeriod quarter(int year, int quarter)
{
    if (quarter < 1 || quarter > 4)
        return {QDate(year, 1, 1), QDate(year, 12, 31), QStringLiteral("anno %1").arg(year)};
    const QDate first(year, (quarter - 1) * 3 + 1, 1);
    return {first, first.addMonths(3).addDays(-1), QStringLiteral("%1° trimestre %2").arg(quarter).arg(year)};
}

ReportPeriod month(int year, int month)
{
    const QDate first(year, month, 1);
    return {first, first.addMonths(1).addDays(-1), monthName(month) + QLatin1Char(' ') + QString::number(year)};
}

QString monthName(int month)
{
    return ProgramFormats::locale().standaloneMonthName(month, QLocale::LongFormat).toLower();
}

} // namespace ReportPeriods
