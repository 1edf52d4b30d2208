#pragma once

#include "engine/print/FieldLookup.h"
#include "engine/report/ReportTemplate.h"
#include "engine/report/TemplateFiller.h"

#include <QDateTime>
#include <QString>

#include <span>

// What the landlord card and the tenant card share: a two-column form of
// label and value rows between a title bar and a footer bar that says when
// the page was printed. Each card gives its own rows.
namespace CardDocument {

struct CardRow
{
    double top;            // mm inside the margins
    const char *label;     // UTF-8
    const char *valueBox;  // named after the card window's control
};

struct CardLayout
{
    QString reportName;
    QString title;
    std::span<const CardRow> rows;
    double separatorHeight;  // from the first row's top to the last row's bottom
    double footerTop;
};

Report::PageTemplate pageTemplate(const CardLayout &layout);

// Every value box takes the trimmed text of the card window's control of
// its own name, then the footer takes footerText(printedAt).
Report::FillResult fill(Report::PageTemplate &pageTemplate, std::span<const CardRow> rows,
                        const FieldLookup &field, const QDateTime &printedAt);

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss": hours, minutes
// and seconds only (the system's long time format would add a time zone).
QString footerText(const QDateTime &printedAt);

} // namespace CardDocument
