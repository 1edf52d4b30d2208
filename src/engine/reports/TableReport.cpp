#include "engine/reports/TableReport.h"

#include "engine/report/SlateBar.h"
#include "engine/report/TextMetrics.h"

namespace {

constexpr QRgb kHeaderGrey = 0xFFDCDCDC;
constexpr double kMarginMm = 10.0;
constexpr double kLinePitchMm = 4.2;
constexpr double kCellPaddingMm = 1.0;
constexpr double kHeadingHeightMm = 5.5;
constexpr double kHeaderTopMm = 6.0;
constexpr double kHeaderHeightMm = 7.5;  // two lines of a long header
constexpr double kRowsTopMm = kHeaderTopMm + kHeaderHeightMm + 0.8;
constexpr double kSectionGapMm = 5.0;

const QString kFont = QStringLiteral("Verdana");

Report::TextBox textBox(const QString &name, Report::BoxMm box, double points, bool bold)
{
    Report::TextBox result;
    result.name = name;
    result.box = box;
    result.font = {kFont, points, bold, false};
    return result;
}

// A box filled from the report's data: printed as it is, "[DATE]" included.
Report::TextBox dataBox(const QString &name, Report::BoxMm box, double points, bool bold,
                        const QStringList &lines)
{
    Report::TextBox result = textBox(name, box, points, bold);
    result.linePitchMm = kLinePitchMm;
    result.text = lines.join(QLatin1Char('\n'));
    result.isDesignText = false;
    return result;
}

Report::Rectangle keepTogether(const QString &name, double top, double height, double width)
{
    Report::Rectangle keep;
    keep.name = name;
    keep.box = {0.0, top, width, height};
    keep.outlined = false;
    return keep;
}

struct ColumnPlace
{
    double left;
    double width;
};

// The columns side by side across `width`, each its share of the sheet
// widths.
QList<ColumnPlace> placeColumns(std::span<const ReportColumn> columns, double width)
{
    double sheetTotal = 0.0;
    for (const ReportColumn &column : columns)
        sheetTotal += column.sheetWidth;
    QList<ColumnPlace> places;
    double left = 0.0;
    for (const ReportColumn &column : columns) {
        const double share = sheetTotal > 0.0 ? width * column.sheetWidth / sheetTotal : 0.0;
        places.append({left, share});
        left += share;
    }
    return places;
}

// One column's texts of every row.
QStringList columnTexts(const QList<QStringList> &rows, int column)
{
    QStringList texts;
    texts.reserve(rows.size());
    for (const QStringList &row : rows)
        texts.append(row.value(column));
    return texts;
}

Report::Band sectionBand(const ReportSection &section, int number, double width)
{
    const QString suffix = QString::number(number);
    Report::Band band;
    band.name = QStringLiteral("Sezione") + suffix;
    band.kind = Report::BandKind::Data;
    band.widthMm = width;
    Report::TextBox heading = dataBox(QStringLiteral("txtSezione") + suffix, {0.0, 0.0, width, kHeadingHeightMm},
                                      9.0, true, {section.heading});
    heading.linePitchMm = 0.0;
    band.elements.append(heading);
    // Invisible, and never cut: the heading and the column headers go to
    // the next page with the first row rather than stand alone at the foot
    // of one.
    band.elements.append(keepTogether(QStringLiteral("shpTesta") + suffix, 0.0, kRowsTopMm + kLinePitchMm, width));

    Report::Rectangle headerBand;
    headerBand.name = QStringLiteral("shpIntestazione") + suffix;
    headerBand.box = {0.0, kHeaderTopMm, width, kHeaderHeightMm};
    headerBand.fill = QColor::fromRgb(kHeaderGrey);
    headerBand.outlined = false;
    band.elements.append(headerBand);

    const QList<ColumnPlace> places = placeColumns(section.columns, width);
    const bool empty = section.rows.isEmpty();
    const double rowsHeight = (empty ? 1 : section.rows.size()) * kLinePitchMm;
    for (int c = 0; c < places.size(); ++c) {
        const ReportColumn &column = section.columns[c];
        const ColumnPlace &place = places.at(c);
        const QString cell = suffix + QLatin1Char('_') + QString::number(c + 1);
        const auto alignment = column.figures ? Report::Alignment::Right : Report::Alignment::Left;

        Report::TextBox header = textBox(QStringLiteral("txtIntestazione") + cell,
                                         {place.left + kCellPaddingMm, kHeaderTopMm,
                                          place.width - 2 * kCellPaddingMm, kHeaderHeightMm},
                                         7.0, true);
        header.text = QString::fromUtf8(column.header);
        header.wordWrap = true;
        header.isDesignText = false;
        header.alignment = alignment;
        header.verticallyCentred = true;
        band.elements.append(header);

        if (!empty) {
            Report::TextBox rows = dataBox(QStringLiteral("txtColonna") + cell,
                                           {place.left + kCellPaddingMm, kRowsTopMm,
                                            place.width - 2 * kCellPaddingMm, rowsHeight},
                                           8.0, false, columnTexts(section.rows, c));
            rows.alignment = alignment;
            band.elements.append(rows);
        }
    }
    if (empty) {
        band.elements.append(dataBox(QStringLiteral("txtColonna") + suffix + QStringLiteral("_1"),
                                     {kCellPaddingMm, kRowsTopMm, width - 2 * kCellPaddingMm, rowsHeight}, 8.0,
                                     false, {TableReport::noRowsText()}));
    }
    double bottom = kRowsTopMm + rowsHeight;
    if (!section.totals.isEmpty()) {
        // The total line goes with the last row.
        band.elements.append(keepTogether(QStringLiteral("shpTotale") + suffix, bottom - kLinePitchMm,
                                          2 * kLinePitchMm + 1.0, width));
        Report::Line rule;
        rule.name = QStringLiteral("linTotale") + suffix;
        rule.box = {0.0, bottom + 0.4, width, 0.0};
        band.elements.append(rule);
        for (int c = 0; c < places.size(); ++c) {
            const ColumnPlace &place = places.at(c);
            Report::TextBox total = dataBox(QStringLiteral("txtTotale") + suffix + QLatin1Char('_')
                                                + QString::number(c + 1),
                                            {place.left + kCellPaddingMm, bottom + 1.0,
                                             place.width - 2 * kCellPaddingMm, kLinePitchMm},
                                            8.0, true, {section.totals.value(c)});
            total.alignment = section.columns[c].figures ? Report::Alignment::Right : Report::Alignment::Left;
            band.elements.append(total);
        }
        bottom += 1.0 + kLinePitchMm;
    }
    band.heightMm = bottom + kSectionGapMm;
    return band;
}

// Lines broken to the width, so that the notes can run over a page end.
QStringList wrapped(const QStringList &paragraphs, double width)
{
    QStringList lines;
    const Report::TextFont font{kFont, 8.0, false, false};
    for (const QString &paragraph : paragraphs)
        lines += Report::TextMetrics::wrappedLines(paragraph, font, width);
    return lines;
}

} // namespace

namespace TableReport {

QString noRowsText()
{
    return QStringLiteral("Nessun dato per i parametri scelti.");
}

Report::PageTemplate pageTemplate(const ReportTable &table)
{
    Report::PageTemplate result;
    result.reportName = table.reportName;
    result.orientation = table.orientation;
    result.marginsMm = QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm);
    const QSizeF page = QPageSize(result.pageSize).size(QPageSize::Millimeter);
    const double sheetWidth = table.orientation == QPageLayout::Landscape ? page.height() : page.width();
    const double width = sheetWidth - 2 * kMarginMm;

    Report::Band title;
    title.name = QStringLiteral("ReportTitle");
    title.kind = Report::BandKind::Title;
    title.widthMm = width;
    Report::TextBox titleBox =
        Report::slateBar(QStringLiteral("txtTitolo"), {0.0, 0.0, width, 7.0}, 10.0, table.title, true);
    titleBox.isDesignText = false;
    title.elements.append(titleBox);
    const double parametersHeight = table.parameters.size() * kLinePitchMm;
    title.elements.append(dataBox(QStringLiteral("txtParametri"), {0.0, 9.0, width, parametersHeight}, 8.0, false,
                                  table.parameters));
    title.heightMm = 9.0 + parametersHeight + kSectionGapMm;
    result.bands.append(title);

    for (int s = 0; s < table.sections.size(); ++s)
        result.bands.append(sectionBand(table.sections.at(s), s + 1, width));

    const QStringList notes = wrapped(table.notes, width);
    if (!notes.isEmpty()) {
        Report::Band band;
        band.name = QStringLiteral("Note");
        band.kind = Report::BandKind::Data;
        band.widthMm = width;
        band.elements.append(dataBox(QStringLiteral("txtNote"), {0.0, 0.0, width, notes.size() * kLinePitchMm},
                                     8.0, false, notes));
        band.heightMm = notes.size() * kLinePitchMm + 2.0;
        result.bands.append(band);
    }

    Report::Band footer;
    footer.name = QStringLiteral("Footer");
    footer.kind = Report::BandKind::Footer;
    footer.widthMm = width;
    footer.heightMm = 8.0;
    footer.elements.append(
        Report::slateBar(QStringLiteral("txtPagina"), {0.0, 2.0, width, 5.0}, 8.0, table.footer, true));
    result.bands.append(footer);
    return result;
}

Report::PreparedReport prepare(const ReportTable &table, const QDate &printDate)
{
    return Report::prepare(pageTemplate(table), printDate);
}

} // namespace TableReport
