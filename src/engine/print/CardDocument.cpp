#include "engine/print/CardDocument.h"

#include "engine/print/TemplateTable.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <vector>

namespace CardDocument {

namespace {

using namespace TemplateTable;

constexpr QRgb lightSteelBlue = 0xFFB0C4DE;
constexpr QRgb gold = 0xFFFFD700;

// Every row of the form is a rectangle, its label and its value box.
constexpr double rowLeft = 1.0;
constexpr double rowWidth = 188.0;
constexpr double rowHeight = 4.6;
constexpr double labelLeft = 2.0;
constexpr double labelWidth = 37.8;
constexpr double valueLeft = 44.0;
constexpr double valueWidth = 144.0;
constexpr double textDrop = 0.5;  // texts stand 0.5 mm below the row's top
constexpr double textHeight = 3.5;
constexpr double rowPointSize = 7.0;

// Names for the objects the card window does not name: the value box's
// name with "shp" or "lbl" in place of "txt".
QByteArray companionName(const char *valueBox, const char *prefix)
{
    return QByteArray(prefix) + QByteArray(valueBox).mid(3);
}

} // namespace

Report::PageTemplate pageTemplate(const CardLayout &layout)
{
    const QByteArray title = layout.title.toUtf8();
    // The names built for the rows must outlive the table that points at them.
    std::vector<QByteArray> names;
    names.reserve(layout.rows.size() * 2);

    std::vector<Row> rows = {
        // Object          Kind         Left  Top   Width  Height  Font  Style    Fill           Content
        {"Shape1",         Kind::Shape, 1.0,  1.0,  188.0, 5.8,    0,    Plain,   lightSteelBlue, ""},
        {"titArcataSup",   Kind::Text,  2.0,  2.0,  185.8, 4.2,    9,    Centred, noFill,         title.constData()},
    };
    for (const CardRow &row : layout.rows) {
        const QByteArray &shape = names.emplace_back(companionName(row.valueBox, "shp"));
        const QByteArray &label = names.emplace_back(companionName(row.valueBox, "lbl"));
        const double textTop = row.top + textDrop;
        rows.push_back({shape.constData(), Kind::Shape, rowLeft, row.top, rowWidth, rowHeight,
                        0, Plain, noFill, ""});
        rows.push_back({label.constData(), Kind::Text, labelLeft, textTop, labelWidth, textHeight,
                        rowPointSize, Plain, noFill, row.label});
        rows.push_back({row.valueBox, Kind::Field, valueLeft, textTop, valueWidth, textHeight,
                        rowPointSize, Plain, noFill, ""});
    }
    const double footerTop = layout.footerTop;
    rows.insert(rows.end(), {
        // Object          Kind         Left  Top              Width  Height                  Font  Style    Fill    Content
        {"Line2",          Kind::Line,  42.0, 7.0,             0.0,   layout.separatorHeight, 0,    Plain,   noFill, ""},
        {"Shape23",        Kind::Shape, 1.0,  footerTop,       188.0, 5.8,                    0,    Plain,   gold,   ""},
        {"txtCalce",       Kind::Field, 2.0,  footerTop + 1.0, 185.8, 4.2,                    8,    Centred, noFill, ""},
    });

    Report::PageTemplate result;
    result.reportName = layout.reportName;
    result.orientation = QPageLayout::Portrait;
    result.marginsMm = QMarginsF(10.0, 10.0, 10.0, 10.0);
    result.elements = TemplateTable::elements(rows, {QStringLiteral("Arial")});
    return result;
}

Report::FillResult fill(Report::PageTemplate &pageTemplate, std::span<const CardRow> rows,
                        const FieldLookup &field, const QDateTime &printedAt)
{
    Report::TemplateFiller filler(pageTemplate);
    for (const CardRow &row : rows) {
        const QString name = QString::fromUtf8(row.valueBox);
        filler.setText(name, TextRules::trimmed(field(name)));
    }
    filler.setText(QStringLiteral("txtCalce"), footerText(printedAt));
    return filler.result();
}

QString footerText(const QDateTime &printedAt)
{
    return QStringLiteral("Stampa eseguita in data ") + DateText::format(printedAt.date())
        + QStringLiteral(" alle ore ") + printedAt.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace CardDocument
