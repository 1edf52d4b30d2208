#include "engine/report/ReportLayout.h"

#include "engine/report/TextMetrics.h"
#include "engine/text/DateText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Report {

namespace {

// Positions are given to a tenth of a millimetre; sums of line pitches
// must not miss a page end by a rounding error.
constexpr double tolerance = 1e-6;

const QString dateVariable = QStringLiteral("[DATE]");

void replaceDate(QList<Element> &elements, const QString &date)
{
    for (Element &element : elements) {
        if (auto *box = std::get_if<TextBox>(&element); box && box->isDesignText)
            box->text.replace(dateVariable, date);
    }
}

void moveBy(Element &element, double dx, double dy)
{
    BoxMm &box = elementBox(element);
    box.left += dx;
    box.top += dy;
}

bool splitsByLines(const Element &element)
{
    const auto *box = std::get_if<TextBox>(&element);
    return box && !box->wordWrap;
}

// The lowest point, at most `space` below the band's top, where the band can
// be cut without cutting through a line of text or through any other
// element; 0 when there is none.
double cutPosition(const Band &band, double space)
{
    double cut = std::min(space, band.heightMm);
    bool lowered = true;
    while (lowered && cut > tolerance) {
        lowered = false;
        for (const Element &element : band.elements) {
            const BoxMm &box = elementBox(element);
            if (cut <= box.top + tolerance || cut >= box.bottom() - tolerance)
                continue;
            double allowed = box.top;
            if (splitsByLines(element)) {
                const double pitch = TextMetrics::linePitchMm(std::get<TextBox>(element));
                allowed = box.top + std::floor((cut - box.top) / pitch + tolerance) * pitch;
            }
            if (allowed < cut - tolerance) {
                cut = allowed;
                lowered = true;
            }
        }
    }
    return cut > tolerance ? cut : 0.0;
}

// Splits a band at `cut` (a position given by cutPosition): what lies above
// stays in the first part, what lies below moves up into the second, and a
// text box across the cut gives its first lines to the first part and the
// others to the second.
std::pair<Band, Band> splitBand(const Band &band, double cut)
{
    Band head = band;
    Band tail = band;
    head.elements.clear();
    tail.elements.clear();
    head.heightMm = cut;
    tail.heightMm = band.heightMm - cut;
    for (const Element &element : band.elements) {
        const BoxMm &box = elementBox(element);
        if (box.top >= cut - tolerance) {
            Element moved = element;
            moveBy(moved, 0.0, -cut);
            tail.elements.append(moved);
            continue;
        }
        if (box.bottom() <= cut + tolerance || !splitsByLines(element)) {
            head.elements.append(element);
            continue;
        }
        const auto &text = std::get<TextBox>(element);
        const double pitch = TextMetrics::linePitchMm(text);
        const auto linesAbove = qsizetype(std::llround((cut - box.top) / pitch));
        const QStringList lines = text.text.split(QLatin1Char('\n'));

        TextBox upper = text;
        upper.box.height = cut - box.top;
        upper.text = lines.mid(0, linesAbove).join(QLatin1Char('\n'));
        upper.verticallyCentred = false;
        head.elements.append(upper);

        TextBox lower = text;
        lower.box.top = 0.0;
        lower.box.height = box.bottom() - cut;
        lower.text = lines.mid(linesAbove).join(QLatin1Char('\n'));
        lower.verticallyCentred = false;
        tail.elements.append(lower);
    }
    return {head, tail};
}

class PageStacker
{
public:
    PageStacker(const PageTemplate &pageTemplate, PreparedReport &report, const QString &date)
        : m_template(pageTemplate), m_report(report), m_date(date)
    {
        const QSizeF sheet = report.sheetSizeMm();
        const QMarginsF &margins = pageTemplate.marginsMm;
        m_areaHeight = sheet.height() - margins.top() - margins.bottom();
        startPage();
    }

    void add(Band band)
    {
        replaceDate(band.elements, m_date);
        if (band.startsSheet && m_y > tolerance)
            startPage();
        for (;;) {
            const double space = m_areaHeight - m_y;
            if (band.heightMm <= space + tolerance) {
                place(band);
                return;
            }
            const double cut = band.kind == BandKind::Data ? cutPosition(band, space) : 0.0;
            if (cut > 0.0) {
                auto [head, tail] = splitBand(band, cut);
                place(head);
                band = std::move(tail);
                startPage();
                continue;
            }
            if (m_y > tolerance) {
                startPage();
                continue;
            }
            // Taller than a whole sheet and impossible to cut: it prints
            // cut off at the sheet's bottom rather than never.
            place(band);
            return;
        }
    }

private:
    void startPage()
    {
        PreparedPage page;
        page.elements = m_template.elements;
        replaceDate(page.elements, m_date);
        for (Element &element : page.elements)
            moveBy(element, m_template.marginsMm.left(), m_template.marginsMm.top());
        m_report.pages.append(page);
        m_y = 0.0;
    }

    void place(const Band &band)
    {
        PreparedPage &page = m_report.pages.last();
        for (Element element : band.elements) {
            moveBy(element, m_template.marginsMm.left() + band.leftMm,
                   m_template.marginsMm.top() + m_y);
            page.elements.append(element);
        }
        m_y += band.heightMm;
    }

    const PageTemplate &m_template;
    PreparedReport &m_report;
    const QString m_date;
    double m_areaHeight = 0.0;
    double m_y = 0.0;
};

} // namespace

QSizeF PreparedReport::sheetSizeMm() const
{
    const QSizeF portrait = QPageSize(pageSize).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? portrait.transposed() : portrait;
}

QPageLayout PreparedReport::pageLayout() const
{
    return QPageLayout(QPageSize(pageSize), orientation, QMarginsF(), QPageLayout::Millimeter);
}

PreparedReport prepare(const PageTemplate &pageTemplate, const QDate &printDate)
{
    PreparedReport report;
    report.reportName = pageTemplate.reportName;
    report.pageSize = pageTemplate.pageSize;
    report.orientation = pageTemplate.orientation;
    PageStacker stacker(pageTemplate, report, DateText::format(printDate));
    for (const Band &band : pageTemplate.bands)
        stacker.add(band);
    return report;
}

} // namespace Report
