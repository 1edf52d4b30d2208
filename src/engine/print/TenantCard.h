#pragma once

#include "engine/print/FieldLookup.h"
#include "engine/report/ReportTemplate.h"
#include "engine/report/TemplateFiller.h"

#include <QDateTime>

// The printed card of a tenant and of the property wanted, "Scheda Conduttore",
// filled from the tenant window.
namespace TenantCard {

Report::PageTemplate pageTemplate();

// Fills the value boxes from the tenant window and the footer with the
// moment of printing.
Report::FillResult fill(Report::PageTemplate &pageTemplate, const FieldLookup &field,
                        const QDateTime &printedAt);

} // namespace TenantCard
