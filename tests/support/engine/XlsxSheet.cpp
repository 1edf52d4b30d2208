#include "XlsxSheet.h"

#include "engine/zip/ZipReader.h"

#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

// Office Open XML writes a character XML cannot hold as "_xHHHH_", and a
// literal "_x" that would read as such an escape as "_x005F_x".
QString unescapeOoxml(const QString &text)
{
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString result;
    qsizetype from = 0;
    QRegularExpressionMatchIterator matches = escape.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result += text.mid(from, match.capturedStart() - from);
        result += QChar(match.captured(1).toUShort(nullptr, 16));
        from = match.capturedEnd();
    }
    return result + text.mid(from);
}

// The column of a cell reference ("C12" is 2).
int columnOf(const QString &reference)
{
    int column = 0;
    for (const QChar c : reference) {
        if (!c.isLetter())
            break;
        column = column * 26 + (c.toUpper().unicode() - 'A' + 1);
    }
    return column - 1;
}

// Every <t> text inside the current element (a shared string or an inline
// one, plain or in runs).
QString readStringItem(QXmlStreamReader &xml)
{
    QString text;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("t"))
            text += xml.readElementText();
        else if (xml.isEndElement() && xml.name() == element)
            break;
    }
    return unescapeOoxml(text);
}

struct Style
{
    bool bold = false;
    bool textFormat = false;
};

QList<Style> readStyles(const QByteArray &xmlText)
{
    QXmlStreamReader xml(xmlText);
    QHash<int, QString> formats;
    QList<bool> boldFonts;
    QList<Style> styles;
    bool inFonts = false;
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("numFmt"))
                formats.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                               xml.attributes().value(QLatin1String("formatCode")).toString());
            else if (name == QLatin1String("fonts"))
                inFonts = true;
            else if (name == QLatin1String("font") && inFonts)
                boldFonts.append(false);
            else if (name == QLatin1String("b") && inFonts && !boldFonts.isEmpty())
                boldFonts.last() = xml.attributes().value(QLatin1String("val")) != QLatin1String("0");
            else if (name == QLatin1String("cellXfs"))
                inCellXfs = true;
            else if (name == QLatin1String("xf") && inCellXfs) {
                const int font = xml.attributes().value(QLatin1String("fontId")).toInt();
                const int format = xml.attributes().value(QLatin1String("numFmtId")).toInt();
                // 49 is the built-in "@".
                styles.append({font < boldFonts.size() && boldFonts[font],
                               format == 49 || formats.value(format) == QLatin1String("@")});
            }
        } else if (xml.isEndElement()) {
            if (name == QLatin1String("fonts"))
                inFonts = false;
            else if (name == QLatin1String("cellXfs"))
                inCellXfs = false;
        }
    }
    return styles;
}

// Column widths in characters become pixels as the spreadsheet programs
// convert them for the default font (7 pixels a character, 5 of padding).
int pixelsOf(double width)
{
    return static_cast<int>(std::trunc((256 * width + std::trunc(128.0 / 7)) / 256 * 7));
}

} // namespace

XlsxSheet XlsxSheet::read(const QString &path, int sheetNumber)
{
    XlsxSheet sheet;
    ZipReader zip(path);
    if (!zip.open()) {
        sheet.error = QStringLiteral("not a complete zip file");
        return sheet;
    }
    const auto workbook = zip.read(QStringLiteral("xl/workbook.xml"));
    const auto worksheet = zip.read(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheetNumber));
    const auto styles = zip.read(QStringLiteral("xl/styles.xml"));
    if (!workbook || !worksheet || !styles) {
        sheet.error = QStringLiteral("a workbook part is missing or damaged");
        return sheet;
    }

    QXmlStreamReader book(*workbook);
    while (!book.atEnd()) {
        book.readNext();
        if (book.isStartElement() && book.name() == QLatin1String("sheet"))
            sheet.sheetNames.append(book.attributes().value(QLatin1String("name")).toString());
    }

    QStringList shared;
    if (const auto strings = zip.read(QStringLiteral("xl/sharedStrings.xml"))) {
        QXmlStreamReader xml(*strings);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("si"))
                shared.append(readStringItem(xml));
        }
    }
    const QList<Style> cellStyles = readStyles(*styles);

    QXmlStreamReader xml(*worksheet);
    int row = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == QLatin1String("pane")) {
            if (attributes.value(QLatin1String("state")) == QLatin1String("frozen"))
                sheet.frozenRows = attributes.value(QLatin1String("ySplit")).toInt();
        } else if (name == QLatin1String("col")) {
            const int first = attributes.value(QLatin1String("min")).toInt();
            const int last = attributes.value(QLatin1String("max")).toInt();
            const int pixels = pixelsOf(attributes.value(QLatin1String("width")).toDouble());
            for (int column = first; column <= last; ++column) {
                while (sheet.columnPixels.size() < column)
                    sheet.columnPixels.append(0);
                sheet.columnPixels[column - 1] = pixels;
            }
        } else if (name == QLatin1String("row")) {
            row = attributes.value(QLatin1String("r")).toInt() - 1;
            while (sheet.cells.size() <= row)
                sheet.cells.append(QList<Cell>());
        } else if (name == QLatin1String("c") && row >= 0) {
            const int column = columnOf(attributes.value(QLatin1String("r")).toString());
            const QString type = attributes.value(QLatin1String("t")).toString();
            const int style = attributes.value(QLatin1String("s")).toInt();
            Cell cell;
            if (style < cellStyles.size()) {
                cell.bold = cellStyles[style].bold;
                cell.textFormat = cellStyles[style].textFormat;
            }
            cell.isString = type == QLatin1String("s") || type == QLatin1String("inlineStr")
                            || type == QLatin1String("str");
            // The cell's value: an index into the shared strings, an inline
            // string or a plain value.
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                    break;
                if (!xml.isStartElement())
                    continue;
                if (xml.name() == QLatin1String("v")) {
                    const QString value = xml.readElementText();
                    cell.text = type == QLatin1String("s") ? shared.value(value.toInt()) : value;
                } else if (xml.name() == QLatin1String("is")) {
                    cell.text = readStringItem(xml);
                }
            }
            QList<Cell> &cells = sheet.cells[row];
            while (cells.size() <= column)
                cells.append(Cell());
            cells[column] = cell;
        } else if (name == QLatin1String("autoFilter")) {
            sheet.autoFilter = attributes.value(QLatin1String("ref")).toString();
        }
    }
    if (xml.hasError()) {
        sheet.error = QStringLiteral("worksheet XML: ") + xml.errorString();
        return sheet;
    }
    qsizetype width = 0;
    for (const QList<Cell> &cells : sheet.cells)
        width = std::max(width, cells.size());
    for (QList<Cell> &cells : sheet.cells) {
        while (cells.size() < width)
            cells.append(Cell());
    }
    return sheet;
}

QStringList XlsxSheet::rowTexts(int row) const
{
    QStringList texts;
    for (const Cell &cell : cells.value(row))
        texts.append(cell.text);
    return texts;
}
