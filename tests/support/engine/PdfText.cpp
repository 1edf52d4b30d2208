#include "PdfText.h"

#include "engine/report/PdfExport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr double mmPerPoint = 25.4 / 72.0;

// Runs one of poppler's tools and gives its standard output.
std::optional<QString> runTool(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString decodeEntities(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// The reader lists words in an order of its own guessing (columns of a
// summary come out one after the other); put them back line by line, top
// to bottom, each line left to right. Words of a line share their middle.
QList<PdfWord> inReadingOrder(QList<PdfWord> words)
{
    std::stable_sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
        return a.box.center().y() < b.box.center().y();
    });
    QList<PdfWord> ordered;
    for (qsizetype first = 0; first < words.size();) {
        qsizetype end = first + 1;
        while (end < words.size() && words.at(end).box.center().y() - words.at(first).box.center().y() < 0.5)
            ++end;
        QList<PdfWord> line = words.mid(first, end - first);
        std::stable_sort(line.begin(), line.end(), [](const PdfWord &a, const PdfWord &b) {
            return a.box.left() < b.box.left();
        });
        ordered.append(line);
        first = end;
    }
    return ordered;
}

QRectF pointsToMm(double xMin, double yMin, double xMax, double yMax)
{
    return QRectF(QPointF(xMin * mmPerPoint, yMin * mmPerPoint),
                  QPointF(xMax * mmPerPoint, yMax * mmPerPoint));
}

} // namespace

bool PdfText::readerAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

std::optional<PdfText> PdfText::read(const QString &pdfFile)
{
    const auto output = runTool(QStringLiteral("pdftotext"),
                                {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")});
    if (!output)
        return std::nullopt;
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
        R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));
    PdfText result;
    for (const QRegularExpressionMatch &match : tag.globalMatch(*output)) {
        if (match.capturedLength(1) > 0) {
            result.m_pages.append({QSizeF(match.captured(1).toDouble() * mmPerPoint,
                                          match.captured(2).toDouble() * mmPerPoint),
                                   {}});
            continue;
        }
        if (result.m_pages.isEmpty())
            return std::nullopt;
        result.m_pages.last().words.append(
            {decodeEntities(match.captured(7)),
             pointsToMm(match.captured(3).toDouble(), match.captured(4).toDouble(),
                        match.captured(5).toDouble(), match.captured(6).toDouble())});
    }
    for (PdfPage &page : result.m_pages)
        page.words = inReadingOrder(page.words);
    return result;
}

std::optional<PdfText> PdfText::renderAndRead(const Report::PreparedReport &report,
                                              const QString &folder, const QString &name)
{
    const QString file = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    if (!Report::writePdf(report, file))
        return std::nullopt;
    return read(file);
}

QList<PdfPhrase> PdfText::find(const QString &phrase) const
{
    const QStringList wanted = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<PdfPhrase> found;
    if (wanted.isEmpty())
        return found;
    for (int page = 0; page < m_pages.size(); ++page) {
        const QList<PdfWord> &words = m_pages.at(page).words;
        for (qsizetype first = 0; first + wanted.size() <= words.size(); ++first) {
            const double line = words.at(first).box.center().y();
            QRectF box = words.at(first).box;
            bool matches = true;
            for (qsizetype i = 0; i < wanted.size() && matches; ++i) {
                const PdfWord &word = words.at(first + i);
                // One line: the words share their vertical middle.
                matches = word.text == wanted.at(i) && qAbs(word.box.center().y() - line) < 0.5;
                box = box.united(word.box);
            }
            if (matches)
                found.append({page, box});
        }
    }
    return found;
}

QString PdfText::pageText(int page) const
{
    QStringList texts;
    for (const PdfWord &word : m_pages.at(page).words)
        texts.append(word.text);
    return texts.join(QLatin1Char(' '));
}

QString PdfText::allText() const
{
    QStringList texts;
    for (int page = 0; page < m_pages.size(); ++page)
        texts.append(pageText(page));
    return texts.join(QLatin1Char(' '));
}

QList<PdfWord> PdfText::wordsInside(int page, const QRectF &areaMm) const
{
    QList<PdfWord> inside;
    for (const PdfWord &word : m_pages.at(page).words) {
        if (areaMm.contains(word.box.center()))
            inside.append(word);
    }
    return inside;
}

std::optional<QList<PdfImage>> listPdfImages(const QString &pdfFile)
{
    const auto output = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdfFile});
    if (!output)
        return std::nullopt;
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    QList<PdfImage> images;
    const QStringList lines = output->split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() < 14 || columns.at(2) != QLatin1String("image"))
            continue;
        images.append({columns.at(0).toInt() - 1, columns.at(3).toInt(), columns.at(4).toInt(),
                       columns.at(12).toDouble(), columns.at(13).toDouble()});
    }
    return images;
}

std::optional<QStringList> listPdfFonts(const QString &pdfFile)
{
    const auto output = runTool(QStringLiteral("pdffonts"), {pdfFile});
    if (!output)
        return std::nullopt;
    QStringList fonts;
    const QStringList lines = output->split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(2)) {
        QString name = line.section(QLatin1Char(' '), 0, 0);
        // Subsets carry a six-letter tag before a '+'.
        name = name.section(QLatin1Char('+'), -1);
        if (!name.isEmpty())
            fonts.append(name);
    }
    return fonts;
}
