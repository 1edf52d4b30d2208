#pragma once

#include "engine/reports/ReportStays.h"
#include "engine/reports/ReportTable.h"
#include "engine/reports/YearSummary.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class PoliceCodes;

// The reports of the reports window, each made afresh from the archives of
// the program folder at every request.
enum class ReportKind {
    TaxReturn,     // tourist tax of a comune, by quarter or year
    YearSummary,   // lettings of a year per property and landlord
    FlowRegister,  // guests' arrivals and presences of a property's month
};

struct ReportRequest
{
    ReportKind kind = ReportKind::TaxReturn;
    int year = 0;
    int quarter = 0;          // tax return: 1 to 4, 0 for the whole year
    QString comuneCode;       // tax return
    QString comuneLabel;      // tax return: "RIMINI (RN)"
    QByteArray propertyKey;   // register: the property; summary: one, or empty for all
    int month = 1;            // register
    // Summary: the threshold and rates to use; nothing for those saved.
    std::optional<YearSummary::Settings> summarySettings;
};

namespace Reports {

// The report asked for. Nothing when an archive or the tax rules cannot be
// read (the detail is in the log).
std::optional<ReportTable> make(const ReportRequest &request, const QString &programFolder, const PoliceCodes &codes);

// The workbook each report is written to, in the program folder, replaced
// at each export as the archive exports are.
QString workbookFile(ReportKind kind);

// The properties of the stays, each once, by label.
QList<ReportProperty> properties(const ReportStayList &stays);

} // namespace Reports
