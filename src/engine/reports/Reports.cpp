#include "engine/reports/Reports.h"

#include "engine/reports/FlowRegister.h"
#include "engine/reports/TaxReturn.h"
#include "engine/reports/YearReceipts.h"
#include "engine/reports/YearSummary.h"
#include "engine/tax/TaxRuleFile.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace Reports {

std::optional<ReportTable> make(const ReportRequest &request, const QString &programFolder, const PoliceCodes &codes)
{
    const std::optional<ReportStayList> stays = ReportStays::read(programFolder, codes);
    if (!stays)
        return std::nullopt;
    switch (request.kind) {
    case ReportKind::TaxReturn: {
        const TaxRuleFile::Loaded rules = TaxRuleFile::load(programFolder);
        if (!rules.readable)
            return std::nullopt;
        const TaxReturn::Summary summary =
            TaxReturn::compute(*stays, rules.rules, request.comuneCode, request.comuneLabel,
                               ReportPeriods::quarter(request.year, request.quarter));
        return TaxReturn::table(summary);
    }
    case ReportKind::YearSummary: {
        const std::optional<QList<YearReceipt>> receipts = YearReceipts::read(programFolder, request.year);
        if (!receipts)
            return std::nullopt;
        const YearSummary::Settings settings =
            request.summarySettings
                ? *request.summarySettings
                : YearSummary::readSettings(QDir(programFolder).filePath(YearSummary::settingsFile()));
        return YearSummary::table(
            YearSummary::compute(*stays, *receipts, request.year, request.propertyKey, settings), settings);
    }
    case ReportKind::FlowRegister:
        return FlowRegister::table(
            FlowRegister::compute(*stays, request.propertyKey, request.year, request.month, codes));
    }
    return std::nullopt;
}

QString workbookFile(ReportKind kind)
{
    switch (kind) {
    case ReportKind::TaxReturn: return QStringLiteral("Imposta_Soggiorno.xlsx");
    case ReportKind::YearSummary: return QStringLiteral("Riepilogo_Annuale.xlsx");
    case ReportKind::FlowRegister: return QStringLiteral("Movimento_Clienti.xlsx");
    }
    return QString();
}

QList<ReportProperty> properties(const ReportStayList &stays)
{
    QList<ReportProperty> result;
    QSet<QByteArray> seen;
    for (const ReportStay &stay : stays.stays) {
        if (!seen.contains(stay.property.key)) {
            seen.insert(stay.property.key);
            result.append(stay.property);
        }
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const ReportProperty &a, const ReportProperty &b) { return a.label < b.label; });
    return result;
}

} // namespace Reports
