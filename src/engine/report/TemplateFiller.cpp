#include "engine/report/TemplateFiller.h"

#include "engine/diagnostics/Logging.h"

namespace Report {

TemplateFiller::TemplateFiller(PageTemplate &pageTemplate)
    : m_template(pageTemplate)
{
}

TemplateFiller &TemplateFiller::setText(const QString &name, const QString &text)
{
    check(m_template.setText(name, text), name);
    return *this;
}

TemplateFiller &TemplateFiller::setLines(const QString &name, const QStringList &lines)
{
    check(m_template.setLines(name, lines), name);
    return *this;
}

TemplateFiller &TemplateFiller::setPicture(const QString &name, const QImage &image)
{
    check(m_template.setPicture(name, image), name);
    return *this;
}

TemplateFiller &TemplateFiller::setHeight(const QString &name, double heightMm)
{
    check(m_template.setHeight(name, heightMm), name);
    return *this;
}

void TemplateFiller::check(bool found, const QString &name)
{
    if (!found && !m_result.missingObjects.contains(name)) {
        // The user is told of a printer problem; the name is for us.
        qCWarning(lcReport) << "the template" << m_template.reportName << "has no object" << name;
        m_result.missingObjects.append(name);
    }
}

} // namespace Report
