#pragma once

#include "engine/print/FieldLookup.h"
#include "engine/report/ReportTemplate.h"
#include "engine/report/TemplateFiller.h"

// The printed tourist-letting contract, "Contratto di Affitto Turistico":
// the fixed text of the contract around the data of the contract window.
namespace ContractDocument {

Report::PageTemplate pageTemplate();

// Every beige data box takes the trimmed text of the contract window's
// control of its own name (`txtDurata` takes `txtDurataCon`); `txtData`
// takes place and date as "Luogo, Data.". The notes are never printed.
// `propertyCin`, the CIN of the contract's property when it has one, is
// printed as "CIN: <code>" at the top right corner, above the title.
Report::FillResult fill(Report::PageTemplate &pageTemplate, const FieldLookup &field,
                        const QString &propertyCin = QString());

} // namespace ContractDocument
