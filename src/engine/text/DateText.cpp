#include "engine/text/DateText.h"

#include "engine/text/ProgramFormats.h"
#include "engine/text/TextRules.h"

#include <QStringList>

namespace DateText {

QString format(const QDate &date)
{
    return date.toString(ProgramFormats::shortDateFormat());
}

std::optional<QDate> parse(const QString &text)
{
    const QStringList parts = TextRules::trimmed(text).split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    const QString &day = parts.at(0);
    const QString &month = parts.at(1);
    const QString &year = parts.at(2);
    if (day.size() > 2 || month.size() > 2 || year.size() != 4)
        return std::nullopt;
    if (!TextRules::isDigitsOnly(day) || !TextRules::isDigitsOnly(month) || !TextRules::isDigitsOnly(year))
        return std::nullopt;
    const QDate date(year.toInt(), month.toInt(), day.toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace DateText
