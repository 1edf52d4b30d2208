#include "engine/report/ReportTemplate.h"

#include <type_traits>

namespace Report {

QString elementName(const Element &element)
{
    return std::visit([](const auto &e) { return e.name; }, element);
}

BoxMm &elementBox(Element &element)
{
    return std::visit([](auto &e) -> BoxMm & { return e.box; }, element);
}

const BoxMm &elementBox(const Element &element)
{
    return std::visit([](const auto &e) -> const BoxMm & { return e.box; }, element);
}

namespace {

// One search for both the const and the non-const finders: page elements
// first, then the bands in order.
template<typename Kind, typename Template>
auto *findElement(Template &pageTemplate, const QString &name)
{
    using Result = std::conditional_t<std::is_const_v<Template>, const Kind, Kind>;
    auto search = [&name](auto &elements) -> Result * {
        for (auto &element : elements) {
            if (auto *found = std::get_if<Kind>(&element); found && found->name == name)
                return found;
        }
        return nullptr;
    };
    if (Result *found = search(pageTemplate.elements))
        return found;
    for (auto &band : pageTemplate.bands) {
        if (Result *found = search(band.elements))
            return found;
    }
    return static_cast<Result *>(nullptr);
}

template<typename Template>
auto *findBand(Template &pageTemplate, const QString &name)
{
    using Result = std::conditional_t<std::is_const_v<Template>, const Band, Band>;
    for (auto &band : pageTemplate.bands) {
        if (band.name == name)
            return &band;
    }
    return static_cast<Result *>(nullptr);
}

} // namespace

TextBox *PageTemplate::textBox(const QString &name)
{
    return findElement<TextBox>(*this, name);
}

const TextBox *PageTemplate::textBox(const QString &name) const
{
    return findElement<TextBox>(*this, name);
}

PictureBox *PageTemplate::picture(const QString &name)
{
    return findElement<PictureBox>(*this, name);
}

const PictureBox *PageTemplate::picture(const QString &name) const
{
    return findElement<PictureBox>(*this, name);
}

Band *PageTemplate::band(const QString &name)
{
    return findBand(*this, name);
}

const Band *PageTemplate::band(const QString &name) const
{
    return findBand(*this, name);
}

bool PageTemplate::setText(const QString &name, const QString &text)
{
    TextBox *box = textBox(name);
    if (!box)
        return false;
    box->text = text;
    box->isDesignText = false;
    return true;
}

bool PageTemplate::setLines(const QString &name, const QStringList &lines)
{
    return setText(name, lines.join(QLatin1Char('\n')));
}

bool PageTemplate::setPicture(const QString &name, const QImage &image)
{
    PictureBox *box = picture(name);
    if (!box)
        return false;
    box->image = image;
    return true;
}

bool PageTemplate::setHeight(const QString &name, double heightMm)
{
    if (TextBox *box = textBox(name)) {
        box->box.height = heightMm;
        return true;
    }
    if (Band *found = band(name)) {
        found->heightMm = heightMm;
        return true;
    }
    return false;
}

} // namespace Report
