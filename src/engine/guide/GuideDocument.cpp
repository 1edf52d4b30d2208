#include "engine/guide/GuideDocument.h"

#include "engine/guide/GuideTopics.h"
#include "engine/report/PdfExport.h"
#include "engine/report/TextMetrics.h"

#include <QDir>
#include <QFileInfo>

namespace GuideDocument {

namespace {

constexpr double sheetHeightMm = 297.0;
constexpr double marginMm = 20.0;
constexpr double textWidthMm = 210.0 - 2 * marginMm;
constexpr double areaHeightMm = sheetHeightMm - 2 * marginMm;
constexpr double paragraphGapMm = 3.0;
// Up to a hair narrower than the box, so that a printer's own rounding of
// a line's width can never push its last letter past the edge.
constexpr double wrapSafetyMm = 0.5;

const QColor headingBlue(0, 0, 128);

QString pageBox() { return QStringLiteral("txtPagina"); }

// The heading of topic `index` carries its index in its name, so that the
// laid-out sheets tell where each chapter begins.
QString headingName(qsizetype index)
{
    return QStringLiteral("txtArgomento%1").arg(index + 1);
}

Report::TextBox textBox(const QString &name, Report::BoxMm box, Report::TextFont font,
                        const QString &text)
{
    Report::TextBox result;
    result.name = name;
    result.box = box;
    result.font = std::move(font);
    result.text = text;
    return result;
}

// The title page fills the first sheet alone: the program's name on a blue
// bar, what the document is, and the contents with each chapter's page.
Report::Band titlePage(const QList<GuideTopic> &topics, const QList<int> &firstPages)
{
    const Report::TextFont contentsFont{QStringLiteral("Arial"), 12.0};
    constexpr double contentsPitchMm = 8.0;
    constexpr double contentsTopMm = 110.0;

    QStringList titles;
    QStringList pages;
    for (qsizetype i = 0; i < topics.size(); ++i) {
        titles.append(GuideTopics::title(topics.at(i)));
        pages.append(i < firstPages.size() ? QString::number(firstPages.at(i)) : QString());
    }
    const double contentsHeight = topics.size() * contentsPitchMm;

    Report::Rectangle bar;
    bar.name = QStringLiteral("shpTitolo");
    bar.box = {0.0, 30.0, textWidthMm, 34.0};
    bar.fill = headingBlue;
    bar.outlined = false;

    Report::TextBox name = textBox(QStringLiteral("txtProgramma"), bar.box,
                                   {QStringLiteral("Arial"), 36.0, true}, QStringLiteral("Vacanzio"));
    name.alignment = Report::Alignment::Centre;
    name.verticallyCentred = true;
    name.textColour = Qt::white;

    Report::TextBox subtitle = textBox(QStringLiteral("txtSottotitolo"), {0.0, 70.0, textWidthMm, 10.0},
                                       {QStringLiteral("Arial"), 18.0},
                                       QStringLiteral("Guida all'utilizzo del software"));
    subtitle.alignment = Report::Alignment::Centre;

    Report::TextBox contentsHeading = textBox(QStringLiteral("txtIndice"), {0.0, 95.0, textWidthMm, 9.0},
                                              {QStringLiteral("Arial"), 14.0, true},
                                              QStringLiteral("Indice"));
    contentsHeading.textColour = headingBlue;

    Report::TextBox contents = textBox(QStringLiteral("txtIndiceTitoli"),
                                       {0.0, contentsTopMm, textWidthMm - 20.0, contentsHeight},
                                       contentsFont, titles.join(QLatin1Char('\n')));
    contents.linePitchMm = contentsPitchMm;
    Report::TextBox contentsPages = textBox(QStringLiteral("txtIndicePagine"),
                                            {textWidthMm - 20.0, contentsTopMm, 20.0, contentsHeight},
                                            contentsFont, pages.join(QLatin1Char('\n')));
    contentsPages.linePitchMm = contentsPitchMm;
    contentsPages.alignment = Report::Alignment::Right;

    return {QStringLiteral("Frontespizio"), Report::BandKind::Title, 0.0, textWidthMm, areaHeightMm,
            {bar, name, subtitle, contentsHeading, contents, contentsPages}};
}

// A chapter: its heading on a new sheet, underlined, then its paragraphs,
// each free to continue on the next sheet between two of its lines.
QList<Report::Band> chapter(GuideTopic topic, qsizetype index)
{
    const Report::TextFont headingFont{QStringLiteral("Arial"), 16.0, true};
    const Report::TextFont bodyFont{QStringLiteral("Arial"), 11.0};

    Report::TextBox heading = textBox(headingName(index), {0.0, 0.0, textWidthMm, 9.0}, headingFont,
                                      GuideTopics::title(topic));
    heading.textColour = headingBlue;
    Report::Line rule;
    rule.name = QStringLiteral("linArgomento");
    rule.box = {0.0, 10.5, textWidthMm, 0.0};
    rule.colour = headingBlue;
    rule.weightMm = 0.4;

    Report::Band headingBand{QStringLiteral("Argomento"), Report::BandKind::Data, 0.0, textWidthMm,
                             16.0, {heading, rule}};
    headingBand.startsSheet = true;
    QList<Report::Band> bands{headingBand};

    for (const QString &paragraph : GuideTopics::paragraphs(topic)) {
        Report::TextBox body = textBox(QStringLiteral("txtParagrafo"), {0.0, 0.0, textWidthMm, 0.0},
                                       bodyFont, QString());
        const QStringList lines = Report::TextMetrics::wrappedLines(paragraph, bodyFont,
                                                                    textWidthMm - wrapSafetyMm);
        body.text = lines.join(QLatin1Char('\n'));
        body.box.height = lines.size() * Report::TextMetrics::linePitchMm(body);
        bands.append({QStringLiteral("Paragrafo"), Report::BandKind::Data, 0.0, textWidthMm,
                      body.box.height + paragraphGapMm, {body}});
    }
    return bands;
}

Report::PageTemplate pageTemplate(const QList<GuideTopic> &topics, const QList<int> &firstPages)
{
    Report::PageTemplate result;
    result.reportName = QStringLiteral("Guida all'utilizzo di Vacanzio");
    result.marginsMm = QMarginsF(marginMm, marginMm, marginMm, marginMm);
    result.bands.append(titlePage(topics, firstPages));
    for (qsizetype i = 0; i < topics.size(); ++i)
        result.bands += chapter(topics.at(i), i);
    return result;
}

// The sheet (from 1) on which each chapter's heading stands.
QList<int> firstPages(const Report::PreparedReport &report, qsizetype topicCount)
{
    QList<int> result(topicCount, 0);
    for (qsizetype page = 0; page < report.pages.size(); ++page) {
        for (const Report::Element &element : report.pages.at(page).elements) {
            for (qsizetype i = 0; i < topicCount; ++i) {
                if (result.at(i) == 0 && Report::elementName(element) == headingName(i))
                    result[i] = int(page + 1);
            }
        }
    }
    return result;
}

void numberPages(Report::PreparedReport &report)
{
    const qsizetype count = report.pages.size();
    for (qsizetype page = 1; page < count; ++page) {
        Report::TextBox number = textBox(pageBox(),
                                         {marginMm, sheetHeightMm - marginMm + 7.0, textWidthMm, 5.0},
                                         {QStringLiteral("Arial"), 9.0},
                                         QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(count));
        number.alignment = Report::Alignment::Centre;
        number.textColour = Qt::darkGray;
        report.pages[page].elements.append(number);
    }
}

} // namespace

QString fileName()
{
    return QStringLiteral("Guida.pdf");
}

Report::PreparedReport prepare()
{
    const QList<GuideTopic> topics = GuideTopics::all();
    // The title page is as tall as a sheet whatever its contents say, so
    // the chapters stand on the same sheets in both passes: the first finds
    // where they begin, the second writes it into the contents.
    const Report::PreparedReport draft = Report::prepare(pageTemplate(topics, {}), QDate());
    Report::PreparedReport report =
        Report::prepare(pageTemplate(topics, firstPages(draft, topics.size())), QDate());
    numberPages(report);
    return report;
}

Outcome writeIfMissing(const QString &folder)
{
    const QString path = QDir(folder).filePath(fileName());
    const QFileInfo existing(path);
    if (existing.exists() || existing.isSymLink())
        return Outcome::AlreadyPresent;
    if (!QDir().mkpath(folder))
        return Outcome::Failed;
    return Report::writePdf(prepare(), path) ? Outcome::Written : Outcome::Failed;
}

} // namespace GuideDocument
