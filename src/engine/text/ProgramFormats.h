#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// The program's number and date formats, the same in every window and file:
// dates as dd/mm/yyyy with a four-digit year, the comma as decimal
// separator, Italian names of months and days.
//
// Qt's Italian locale writes short dates with a two-digit year and cannot
// be told otherwise, so no date is ever formatted with a locale's own short
// format: every date goes through shortDateFormat() (DateText does this).
namespace ProgramFormats {

QString shortDateFormat();   // "dd/MM/yyyy"
QChar decimalSeparator();    // ','
// Italian, for names and numbers.
QLocale locale();
// Makes locale() the default of every locale-aware object created from now
// on. Called once at start, before any window exists.
void install();

} // namespace ProgramFormats
