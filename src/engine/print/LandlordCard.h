#pragma once

#include "engine/print/FieldLookup.h"
#include "engine/report/ReportTemplate.h"
#include "engine/report/TemplateFiller.h"

#include <QDateTime>

// The printed card of a landlord and one property, "Locatore e Immobile",
// filled from the landlord window.
namespace LandlordCard {

Report::PageTemplate pageTemplate();

// Fills the value boxes from the landlord window and the footer with the
// moment of printing.
Report::FillResult fill(Report::PageTemplate &pageTemplate, const FieldLookup &field,
                        const QDateTime &printedAt);

} // namespace LandlordCard
