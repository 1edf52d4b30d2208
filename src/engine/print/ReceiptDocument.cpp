#include "engine/print/ReceiptDocument.h"

#include "engine/print/TemplatePictures.h"
#include "engine/print/TemplateTable.h"
#include "engine/text/TextRules.h"

#include <array>

namespace ReceiptDocument {

namespace {

using namespace TemplateTable;

constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb aliceBlue = 0xFFF0F8FF;  // the payer's copy
constexpr QRgb snow = 0xFFFFFAFA;       // the payee's copy

// Measured from the sheet's corner. Texts are one line of Arial, top-aligned
// unless Middle; the two copies lie 155 mm apart, with small differences of
// their own (fills, band and stamp texts, the lower date box's height).
constexpr std::array layout = std::to_array<Row>({
    // Object, kind, left, top, width, height (mm), font size (pt), style, fill, content.
    // Upper copy, for the payer.
    {"lineTop",          Kind::Line,    10.0,  10.0,  190.0, 0.0,   0,  Plain,                    noFill,    ""},
    {"lineLeft",         Kind::Line,    10.0,  10.0,  0.0,   115.0, 0,  Plain,                    noFill,    ""},
    {"lineRight",        Kind::Line,    200.0, 10.0,  0.0,   115.0, 0,  Plain,                    noFill,    ""},
    {"imgLogo",          Kind::Logo,    14.0,  14.0,  39.4,  22.0,  0,  Plain,                    noFill,    ""},
    {"txtRicevente01",   Kind::Field,   55.0,  14.0,  87.0,  4.0,   9,  Plain,                    noFill,    ""},
    {"shpNumFatt",       Kind::Shape,   144.0, 14.0,  52.0,  22.0,  0,  Plain,                    aliceBlue, ""},
    {"txtNumRic",        Kind::Field,   146.0, 16.6,  49.0,  5.0,   12, Bold|Middle,              noFill,    ""},
    {"txtRicevente02",   Kind::Field,   55.0,  20.0,  87.0,  4.0,   9,  Plain,                    noFill,    ""},
    {"txtRicevente03",   Kind::Field,   55.0,  26.0,  87.0,  4.0,   9,  Plain,                    noFill,    ""},
    {"txtData",          Kind::Field,   146.0, 28.8,  49.0,  5.0,   12, Middle,                   noFill,    ""},
    {"txtRicevente04",   Kind::Field,   55.0,  32.0,  87.0,  4.0,   9,  Plain,                    noFill,    ""},
    {"shpContratto",     Kind::Shape,   14.0,  39.0,  182.0, 39.0,  0,  Plain,                    white,     ""},
    {"Memo5",            Kind::Text,    17.0,  41.0,  20.0,  4.4,   9,  Bold|Italic,              noFill,    "Ricevuti da"},
    {"txtPagatore01",    Kind::Field,   39.0,  41.0,  155.0, 4.4,   9,  Plain,                    noFill,    ""},
    {"txtPagatore02",    Kind::Field,   39.0,  46.0,  155.0, 4.4,   9,  Plain,                    noFill,    ""},
    {"Picture2",         Kind::Picture, 17.0,  53.0,  6.4,   6.0,   0,  Plain,                    noFill,    "euro"},
    {"Shape1",           Kind::Shape,   25.0,  53.0,  169.0, 6.0,   0,  Plain,                    aliceBlue, ""},
    {"txtImpLettere",    Kind::Field,   26.2,  54.0,  167.0, 4.0,   9,  Plain,                    noFill,    ""},
    {"titUfficioTer",    Kind::Text,    25.0,  60.0,  169.0, 3.4,   7,  Centred,                  noFill,    "(IN LETTERE)"},
    {"Memo6",            Kind::Text,    17.0,  66.0,  8.0,   4.4,   9,  Bold|Italic,              noFill,    "Per"},
    {"txtCausale01",     Kind::Field,   27.0,  66.0,  167.0, 4.4,   9,  Plain,                    noFill,    ""},
    {"txtCausale02",     Kind::Field,   27.0,  71.0,  167.0, 4.4,   9,  Plain,                    noFill,    ""},
    {"icoBollo",         Kind::Shape,   14.0,  81.0,  55.0,  40.0,  0,  Plain,                    white,     ""},
    {"Picture4",         Kind::Picture, 119.0, 88.0,  9.4,   9.0,   0,  Plain,                    noFill,    "euro"},
    {"Shape2",           Kind::Shape,   131.0, 88.0,  51.0,  9.0,   0,  Plain,                    white,     ""},
    {"Shape3",           Kind::Shape,   185.0, 88.0,  11.0,  9.0,   0,  Plain,                    aliceBlue, ""},
    {"Memo7",            Kind::Text,    80.0,  88.8,  37.0,  8.0,   18, RightAligned,             noFill,    "TOTALE :"},
    {"txtImporto",       Kind::Field,   132.0, 89.2,  49.0,  7.0,   16, Bold|RightAligned|Middle, noFill,    ""},
    {"txtCents",         Kind::Field,   186.0, 89.2,  9.0,   7.0,   16, Bold|Centred|Middle,      noFill,    ""},
    {"Picture1",         Kind::Picture, 182.8, 94.0,  1.4,   3.0,   0,  Plain,                    noFill,    "comma"},
    {"titBollo",         Kind::Text,    15.0,  96.0,  53.0,  5.0,   8,  Centred|Middle,           noFill,    "BOLLO VIGENTE"},
    {"Memo10",           Kind::Text,    131.0, 98.0,  65.0,  3.4,   7,  Centred,                  noFill,    "(IN CIFRE)"},
    {"Memo11",           Kind::Text,    15.0,  101.0, 53.0,  5.0,   8,  Centred|Middle,           noFill,    "(OVE RICHIESTO)"},
    {"lineFirma",        Kind::Line,    99.0,  116.0, 90.0,  0.0,   0,  Plain,                    noFill,    ""},
    {"Memo12",           Kind::Text,    99.0,  117.0, 90.0,  3.4,   7,  Centred,                  noFill,    "(FIRMA)"},
    {"Shape4",           Kind::Shape,   10.0,  125.0, 190.0, 6.0,   0,  Plain,                    aliceBlue, ""},
    {"Memo13",           Kind::Text,    11.5,  126.0, 187.0, 4.4,   8,  Middle,                   noFill,    "COPIA PER IL PAGATORE"},
    // The cut line.
    {"Memo1",            Kind::Text,    16.0,  143.2, 185.0, 8.0,   18, Plain,                    noFill,    "----------------------------------------------------------------------------------------------------"},
    {"Picture3",         Kind::Picture, 10.0,  144.6, 9.4,   9.0,   0,  Plain,                    noFill,    "scissors"},
    // Lower copy, for the payee.
    {"Line1",            Kind::Line,    10.0,  165.0, 190.0, 0.0,   0,  Plain,                    noFill,    ""},
    {"Line2",            Kind::Line,    10.0,  165.0, 0.0,   115.0, 0,  Plain,                    noFill,    ""},
    {"Line3",            Kind::Line,    200.0, 165.0, 0.0,   115.0, 0,  Plain,                    noFill,    ""},
    {"imgLogo_B",        Kind::Logo,    14.0,  169.0, 39.4,  22.0,  0,  Plain,                    noFill,    ""},
    {"txtRicevente01_B", Kind::Field,   55.0,  169.0, 87.0,  4.0,   9,  Plain,                    noFill,    ""},
    {"Shape6",           Kind::Shape,   144.0, 169.0, 52.0,  22.0,  0,  Plain,                    snow,      ""},
    {"txtNumRic_B",      Kind::Field,   146.0, 172.0, 49.0,  5.0,   12, Bold|Middle,              noFill,    ""},
    {"txtRicevente02_B", Kind::Field,   55.0,  175.0, 87.0,  4.0,   9,  Plain,                    noFill,    ""},
    {"txtRicevente03_B", Kind::Field,   55.0,  181.0, 87.0,  4.0,   9,  Plain,                    noFill,    ""},
    {"txtData_B",        Kind::Field,   146.0, 183.2, 49.0,  6.0,   12, Middle,                   noFill,    ""},
    {"txtRicevente04_B", Kind::Field,   55.0,  187.0, 87.0,  4.0,   9,  Plain,                    noFill,    ""},
    {"Shape7",           Kind::Shape,   14.0,  194.0, 182.0, 39.0,  0,  Plain,                    white,     ""},
    {"Memo27",           Kind::Text,    17.0,  197.0, 20.0,  4.4,   9,  Bold|Italic,              noFill,    "Ricevuti da"},
    {"txtPagatore01_B",  Kind::Field,   39.0,  197.0, 155.0, 4.4,   9,  Plain,                    noFill,    ""},
    {"txtPagatore02_B",  Kind::Field,   39.0,  202.0, 155.0, 4.4,   9,  Plain,                    noFill,    ""},
    {"Picture7",         Kind::Picture, 17.0,  209.0, 6.4,   6.0,   0,  Plain,                    noFill,    "euro"},
    {"Shape11",          Kind::Shape,   25.0,  209.0, 169.0, 6.0,   0,  Plain,                    snow,      ""},
    {"txtImpLettere_B",  Kind::Field,   26.0,  210.0, 167.0, 4.0,   9,  Plain,                    noFill,    ""},
    {"Memo23",           Kind::Text,    25.0,  216.0, 169.0, 3.4,   7,  Centred,                  noFill,    "(IN LETTERE)"},
    {"Memo28",           Kind::Text,    17.0,  221.6, 8.0,   4.4,   9,  Bold|Italic,              noFill,    "Per"},
    {"txtCausale01_B",   Kind::Field,   27.0,  221.6, 167.0, 4.4,   9,  Plain,                    noFill,    ""},
    {"txtCausale02_B",   Kind::Field,   27.0,  226.6, 167.0, 4.4,   9,  Plain,                    noFill,    ""},
    {"Shape8",           Kind::Shape,   14.0,  236.0, 55.0,  40.0,  0,  Plain,                    white,     ""},
    {"Picture5",         Kind::Picture, 119.5, 243.0, 9.4,   9.0,   0,  Plain,                    noFill,    "euro"},
    {"Shape9",           Kind::Shape,   131.0, 243.0, 51.0,  9.0,   0,  Plain,                    white,     ""},
    {"Shape10",          Kind::Shape,   185.0, 243.0, 11.0,  9.0,   0,  Plain,                    snow,      ""},
    {"Memo8",            Kind::Text,    80.0,  243.8, 37.0,  8.0,   18, RightAligned,             noFill,    "TOTALE :"},
    {"txtImporto_B",     Kind::Field,   132.0, 244.4, 49.0,  7.0,   16, Bold|RightAligned|Middle, noFill,    ""},
    {"txtCents_B",       Kind::Field,   186.0, 244.4, 9.0,   7.0,   16, Bold|Centred|Middle,      noFill,    ""},
    {"Picture6",         Kind::Picture, 182.8, 249.0, 1.4,   3.0,   0,  Plain,                    noFill,    "comma"},
    {"Memo18",           Kind::Text,    15.5,  251.4, 53.0,  5.0,   8,  Centred|Middle,           noFill,    "BOLLO APPOSTO SULL'ORIGINALE"},
    {"Memo9",            Kind::Text,    131.0, 253.0, 65.0,  3.4,   7,  Centred,                  noFill,    "(IN CIFRE)"},
    {"Memo22",           Kind::Text,    15.5,  256.4, 53.0,  5.0,   8,  Centred|Middle,           noFill,    "(OVE RICHIESTO)"},
    {"Line4",            Kind::Line,    99.0,  271.0, 90.0,  0.0,   0,  Plain,                    noFill,    ""},
    {"Memo14",           Kind::Text,    99.0,  272.0, 90.0,  3.4,   7,  Centred,                  noFill,    "(FIRMA)"},
    {"Shape5",           Kind::Shape,   10.0,  280.0, 190.0, 6.0,   0,  Plain,                    snow,      ""},
    {"Memo15",           Kind::Text,    11.5,  281.0, 187.0, 4.4,   8,  Middle,                   noFill,    "COPIA PER IL RICEVENTE"},
});

// The boxes of one copy that take the window's field of the same name as
// it stands.
constexpr std::array plainFields{
    "txtRicevente01", "txtRicevente02", "txtRicevente03", "txtRicevente04",
    "txtPagatore01", "txtPagatore02", "txtCausale01", "txtCausale02",
};

void fillCopy(Report::TemplateFiller &filler, const FieldLookup &field, const QImage &logo,
              const QString &suffix)
{
    const auto value = [&field](const char *control) {
        return TextRules::trimmed(field(QString::fromLatin1(control)));
    };
    const auto box = [&suffix](const char *name) { return QString::fromLatin1(name) + suffix; };

    filler.setPicture(box("imgLogo"), logo);
    filler.setText(box("txtNumRic"), QStringLiteral("Ricevuta n. ") + value("txtNumRic"));
    filler.setText(box("txtData"), QStringLiteral("Data:  ") + value("txtData"));
    for (const char *name : plainFields)
        filler.setText(box(name), value(name));
    filler.setText(box("txtImpLettere"),
                   value("txtImpLettere") + QLatin1Char('/') + value("txtCentLettere"));
    filler.setText(box("txtImporto"), value("txtImporto"));
    filler.setText(box("txtCents"), value("txtCents"));
}

} // namespace

Report::PageTemplate pageTemplate()
{
    Report::PageTemplate result;
    result.reportName = QStringLiteral("Ricevuta Generica");
    result.orientation = QPageLayout::Portrait;
    result.elements = TemplateTable::elements(layout, {QStringLiteral("Arial")},
                                              TemplatePictures::byKey);
    return result;
}

Report::FillResult fill(Report::PageTemplate &pageTemplate, const FieldLookup &field,
                        const QImage &logo)
{
    Report::TemplateFiller filler(pageTemplate);
    fillCopy(filler, field, logo, QString());
    fillCopy(filler, field, logo, QStringLiteral("_B"));
    return filler.result();
}

} // namespace ReceiptDocument
