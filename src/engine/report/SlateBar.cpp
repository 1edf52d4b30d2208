#include "engine/report/SlateBar.h"

namespace Report {

namespace {

constexpr QRgb kSlateGrey = 0xFF708090;

} // namespace

QString printedOnText()
{
    return QStringLiteral("Stampa eseguita in data [DATE]");
}

TextBox slateBar(const QString &name, BoxMm box, double pointSize, const QString &text, bool verticallyCentred)
{
    TextBox result;
    result.name = name;
    result.box = box;
    result.font = {QStringLiteral("Verdana"), pointSize, true, false};
    result.alignment = Alignment::Centre;
    result.verticallyCentred = verticallyCentred;
    result.textColour = Qt::white;
    result.fill = QColor::fromRgb(kSlateGrey);
    result.text = text;
    return result;
}

} // namespace Report
