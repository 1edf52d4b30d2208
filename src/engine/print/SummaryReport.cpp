#include "engine/print/SummaryReport.h"

#include "engine/report/SlateBar.h"
#include "engine/report/Units.h"

namespace SummaryReport {

namespace {

// Courier New 8 pt takes 12.822 pixels a line on the 96 dpi screen the
// summary was designed on: 3.39 mm.
constexpr double linePitchMm = Report::Units::screenPixelsToMm(12.822);
constexpr double bandExtraMm = Report::Units::screenPixelsToMm(10.0);

} // namespace

Report::PageTemplate pageTemplate()
{
    Report::TextBox lines;
    lines.name = QStringLiteral("txtRiepilogo");
    lines.box = {3.0, 0.0, 273.0, 0.0};  // height set with the lines
    lines.font = {QStringLiteral("Courier New"), 8.0};
    lines.linePitchMm = linePitchMm;

    Report::PageTemplate result;
    result.reportName = QStringLiteral("Riepilogo dati");
    result.orientation = QPageLayout::Landscape;
    result.marginsMm = QMarginsF(10.0, 10.0, 10.0, 10.0);
    // Name, kind, left, width, height, elements; stacked in this order.
    result.bands = {
        {QStringLiteral("ReportTitle"), Report::BandKind::Title, 0.0, 277.0, 8.0,
         {Report::slateBar(QStringLiteral("txtTitolo"), {2.0, 1.0, 273.0, 5.0}, 9.0, QStringLiteral("Riepilogo"),
                           false)}},
        {QStringLiteral("MasterData"), Report::BandKind::Data, 0.0, 277.0, 0.0, {lines}},
        {QStringLiteral("Footer"), Report::BandKind::Footer, 0.0, 277.0, 8.0,
         {Report::slateBar(QStringLiteral("txtPagina"), {3.0, 2.0, 272.0, 5.0}, 8.0, Report::printedOnText(),
                           false)}},
    };
    return result;
}

Report::FillResult fill(Report::PageTemplate &pageTemplate, const QString &title,
                        const QStringList &lines)
{
    const double linesHeight = lines.size() * linePitchMm;
    Report::TemplateFiller filler(pageTemplate);
    filler.setText(QStringLiteral("txtTitolo"), title)
        .setLines(QStringLiteral("txtRiepilogo"), lines)
        .setHeight(QStringLiteral("txtRiepilogo"), linesHeight)
        .setHeight(QStringLiteral("MasterData"), linesHeight + bandExtraMm);
    return filler.result();
}

} // namespace SummaryReport
