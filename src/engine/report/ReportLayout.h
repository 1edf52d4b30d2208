#pragma once

#include "engine/report/ReportTemplate.h"

#include <QDate>
#include <QList>
#include <QPageLayout>
#include <QSizeF>
#include <QString>

namespace Report {

// One laid-out sheet: every element with its box measured in millimetres
// from the sheet's top-left corner, texts final ("[DATE]" replaced, a text
// box split over pages holding only this page's lines).
struct PreparedPage
{
    QList<Element> elements;
};

struct PreparedReport
{
    QString reportName;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<PreparedPage> pages;

    // Width and height of the sheet as it is printed (landscape: swapped).
    QSizeF sheetSizeMm() const;
    // The page layout to print with: the whole sheet, no margins, since
    // the template's own margins are already in the boxes.
    QPageLayout pageLayout() const;
};

// Lays the template out on as many sheets as it needs. The page elements
// are on every sheet. The bands follow each other from the top of the first
// sheet's area inside the margins; a band that does not fit in what is left
// of a sheet goes to the next one whole, except a data band, which is split
// between two lines of its text boxes and continues at the top of the next
// sheet. `printDate` replaces "[DATE]" in the design texts, as dd/mm/yyyy.
PreparedReport prepare(const PageTemplate &pageTemplate, const QDate &printDate);

} // namespace Report
