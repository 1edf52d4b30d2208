#pragma once

#include "engine/report/Units.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <variant>

// A page template is plain data: the page, its margins and a list of named
// elements, each with its box in millimetres. Documents are written as
// tables of these elements; nothing about positions lives in drawing code.
namespace Report {

// Left and top are measured from the top-left corner of the area inside the
// page margins, or of the band that holds the element.
struct BoxMm
{
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const BoxMm &) const = default;
};

struct TextFont
{
    QString family{};  // as designed; FontFamilies picks an installed stand-in
    double pointSize = 10.0;
    bool bold = false;
    bool italic = false;
    bool operator==(const TextFont &) const = default;
};

enum class Alignment { Left, Centre, Right };

struct TextBox
{
    QString name{};
    BoxMm box{};
    TextFont font{};
    Alignment alignment = Alignment::Left;
    bool verticallyCentred = false;
    // Without word wrap every line stays one line and is cut at the box's
    // right edge; with it, text flows onto further lines inside the box.
    bool wordWrap = false;
    QColor textColour = Qt::black;
    QColor fill{};              // invalid colour: no background
    double linePitchMm = 0.0;   // 0: the font's own line spacing
    // The design text until the program sets another; lines are separated
    // by '\n'. In a design text "[DATE]" stands for the date of printing;
    // a text the program sets (what the user typed) is printed as it is.
    QString text{};
    bool isDesignText = true;
};

enum class Scaling {
    KeepAspectRatio,  // as large as fits, centred, never distorted
    Stretch,          // fills the box exactly
};

struct PictureBox
{
    QString name{};
    BoxMm box{};
    QImage image{};  // a null image prints nothing
    Scaling scaling = Scaling::KeepAspectRatio;
};

// A straight line from (left, top) to (left + width, top + height): one of
// width and height is 0 for the rules of a form.
struct Line
{
    QString name{};
    BoxMm box{};
    double weightMm = Units::thinLineMm;
    QColor colour = Qt::black;
};

struct Rectangle
{
    QString name{};
    BoxMm box{};
    QColor fill{};  // invalid colour: no fill
    bool outlined = true;
    double outlineMm = Units::thinLineMm;
    QColor outlineColour = Qt::black;
};

using Element = std::variant<TextBox, PictureBox, Line, Rectangle>;

QString elementName(const Element &element);
BoxMm &elementBox(Element &element);
const BoxMm &elementBox(const Element &element);

enum class BandKind {
    Title,   // at the top of the first page
    Data,    // may continue over as many pages as its lines need
    Footer,  // after the data, kept whole
};

// Bands are stacked one under the other in the order listed, starting at
// the top of the area inside the margins; their design top is not used.
struct Band
{
    QString name{};
    BandKind kind = BandKind::Data;
    double leftMm = 0.0;
    double widthMm = 0.0;
    double heightMm = 0.0;
    QList<Element> elements{};
    // Begins at the top of a new sheet, unless nothing stands on the
    // current one yet: a chapter of a long document.
    bool startsSheet = false;
};

struct PageTemplate
{
    QString reportName{};
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{};
    // Printed on every page at fixed positions.
    QList<Element> elements{};
    QList<Band> bands{};

    // Finders give nullptr for a name the template lacks. A pointer stays
    // valid until elements or bands are added or removed.
    TextBox *textBox(const QString &name);
    const TextBox *textBox(const QString &name) const;
    PictureBox *picture(const QString &name);
    const PictureBox *picture(const QString &name) const;
    Band *band(const QString &name);
    const Band *band(const QString &name) const;

    // Setters give false, and change nothing, for a missing name.
    bool setText(const QString &name, const QString &text);
    bool setLines(const QString &name, const QStringList &lines);
    bool setPicture(const QString &name, const QImage &image);
    // The height of a text box or, when no text box has the name, a band.
    bool setHeight(const QString &name, double heightMm);
};

} // namespace Report
