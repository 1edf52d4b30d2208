#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates as the program writes and reads them: "dd/mm/yyyy".
namespace DateText {

// 5 March 2024 becomes "05/03/2024".
QString format(const QDate &date);

// The day a date text names: day, month and four-digit year separated by
// "/" (one-digit days and months are read too; blanks at either end are
// ignored). Nothing for a text that is not such a date or names a day that
// does not exist, such as 31/04/2024 or 29/02/2023.
std::optional<QDate> parse(const QString &text);

} // namespace DateText
