#include "engine/print/TemplateTable.h"

namespace TemplateTable {

namespace {

QColor fillColour(QRgb fill)
{
    return qAlpha(fill) == 0 ? QColor() : QColor::fromRgba(fill);
}

Report::TextBox textBox(const Row &row, const Report::BoxMm &box, const Defaults &defaults)
{
    const unsigned style = row.style | defaults.style;
    Report::TextBox text;
    text.name = QString::fromUtf8(row.name);
    text.box = box;
    text.font = {defaults.fontFamily, row.pointSize, (style & Bold) != 0, (style & Italic) != 0};
    if (style & Centred)
        text.alignment = Report::Alignment::Centre;
    else if (style & RightAligned)
        text.alignment = Report::Alignment::Right;
    text.verticallyCentred = (style & Middle) != 0;
    text.fill = fillColour(row.fill);
    text.text = row.kind == Kind::Field ? text.name : QString::fromUtf8(row.content);
    return text;
}

} // namespace

QList<Report::Element> elements(std::span<const Row> rows, const Defaults &defaults,
                                const PictureSource &pictures)
{
    QList<Report::Element> result;
    result.reserve(qsizetype(rows.size()));
    for (const Row &row : rows) {
        const Report::BoxMm box{row.left, row.top, row.width, row.height};
        const QString name = QString::fromUtf8(row.name);
        switch (row.kind) {
        case Kind::Text:
        case Kind::Field:
            result.append(textBox(row, box, defaults));
            break;
        case Kind::Shape:
            result.append(Report::Rectangle{.name = name, .box = box, .fill = fillColour(row.fill)});
            break;
        case Kind::Line:
            result.append(Report::Line{.name = name, .box = box});
            break;
        case Kind::Picture: {
            const QImage image = pictures ? pictures(QString::fromUtf8(row.content)) : QImage();
            result.append(Report::PictureBox{name, box, image, Report::Scaling::Stretch});
            break;
        }
        case Kind::Logo:
            result.append(Report::PictureBox{name, box, QImage(), Report::Scaling::KeepAspectRatio});
            break;
        }
    }
    return result;
}

} // namespace TemplateTable
