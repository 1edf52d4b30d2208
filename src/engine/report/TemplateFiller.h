#pragma once

#include "engine/report/ReportTemplate.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace Report {

// What filling a template came to: the names it looked for and did not
// find. A document whose template lacks an object must not print.
struct FillResult
{
    QStringList missingObjects;

    bool succeeded() const { return missingObjects.isEmpty(); }
};

// Sets a template's objects one after the other and keeps count of the
// missing ones, so that a document's filling reads as its list of boxes
// and reports every missing name at the end instead of stopping at the
// first.
class TemplateFiller
{
public:
    explicit TemplateFiller(PageTemplate &pageTemplate);

    TemplateFiller &setText(const QString &name, const QString &text);
    TemplateFiller &setLines(const QString &name, const QStringList &lines);
    TemplateFiller &setPicture(const QString &name, const QImage &image);
    TemplateFiller &setHeight(const QString &name, double heightMm);

    const FillResult &result() const { return m_result; }

private:
    void check(bool found, const QString &name);

    PageTemplate &m_template;
    FillResult m_result;
};

} // namespace Report
