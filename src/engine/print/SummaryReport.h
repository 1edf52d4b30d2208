#pragma once

#include "engine/report/ReportTemplate.h"
#include "engine/report/TemplateFiller.h"

#include <QString>
#include <QStringList>

// The printed summary of a list window, "Riepilogo dati": landscape A4, a
// title bar on the first page, the list's lines in Courier New running over
// as many pages as they need, and a footer with the date after the last.
namespace SummaryReport {

Report::PageTemplate pageTemplate();

// Sets the title and the lines, and sizes the lines' box and its band to
// hold them all: 12.822 screen pixels a line, the band 10 pixels more.
Report::FillResult fill(Report::PageTemplate &pageTemplate, const QString &title,
                        const QStringList &lines);

} // namespace SummaryReport
