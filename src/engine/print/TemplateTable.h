#pragma once

#include "engine/report/ReportTemplate.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

#include <functional>
#include <span>

// The printed documents are written as tables, one row per object, with the
// columns of a report designer's object list: name, kind, box, font, fill,
// content. This turns such a table into template elements.
namespace TemplateTable {

enum class Kind {
    Text,     // fixed text, printed as it stands
    Field,    // text box filled by the program; its design text is its name
    Shape,    // rectangle with a thin black outline
    Line,     // thin black line
    Picture,  // picture drawn by the program, stretched to its box
    Logo,     // picture supplied when printing, its aspect ratio kept
};

// Text styles, combined with |.
enum Style : unsigned {
    Plain = 0,
    Bold = 1u << 0,
    Italic = 1u << 1,
    Centred = 1u << 2,
    RightAligned = 1u << 3,
    Middle = 1u << 4,  // vertically centred
};

constexpr QRgb noFill = 0;  // fully transparent: nothing painted

struct Row
{
    const char *name;
    Kind kind;
    double left;
    double top;
    double width;
    double height;
    double pointSize;     // text only
    unsigned style;       // text only
    QRgb fill;            // text and shapes
    const char *content;  // UTF-8: a Text's words, a Picture's key
};

// What every text box of one document shares.
struct Defaults
{
    QString fontFamily;
    unsigned style = Plain;  // added to every text row's own style
};

// Gives the picture of a Picture row's key (null for an unknown key).
using PictureSource = std::function<QImage(const QString &key)>;

QList<Report::Element> elements(std::span<const Row> rows, const Defaults &defaults,
                                const PictureSource &pictures = {});

} // namespace TemplateTable
