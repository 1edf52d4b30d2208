#include "engine/print/TenantCard.h"

#include "engine/print/CardDocument.h"

#include <array>

namespace TenantCard {

namespace {

using CardDocument::CardRow;

// The rows in the card's own order, which is not the record's.
constexpr std::array<CardRow, 29> rows{{
    // Top    Label                          Value box
    {7.0,   "Cognome e nome Conduttore:", "txtConduttore"},
    {12.0,  "Codice fiscale:",            "txtCodFiscCon"},
    {17.0,  "Sesso:",                     "txtSessoCon"},
    {22.0,  "Data di nascita:",           "txtDataNascCon"},
    {27.0,  "Luogo di nascita:",          "txtLuogoNascCon"},
    {32.0,  "Prov.",                      "txtProvNascCon"},
    {37.0,  "Comune di residenza:",       "txtComuneRes"},
    {42.0,  "CAP:",                       "txtCapCon"},
    {47.0,  "Prov.",                      "txtProvRes"},
    {52.0,  "Via e numero civico:",       "txtViaRes"},
    {57.0,  "Tel. preferenziale:",        "txtRecapitoCon"},
    {62.0,  "Partita IVA:",               "txtPartitaIvaCon"},
    {67.0,  "Tel. casa:",                 "txtTelCasaCon"},
    {72.0,  "Tel. cellulare:",            "txtTelCelCon"},
    {77.0,  "PEC:",                       "txtPecCon"},
    {82.0,  "E-mail:",                    "txtEmailCon"},
    {87.0,  "Note:",                      "txtNote"},
    {92.0,  "Estremi documento:",         "txtDocumento"},
    {97.0,  "Tipo immobile richiesto:",   "txtTipoImm"},
    {102.0, "Comune ubicazione:",         "txtComuneImm"},
    {107.0, "Prov.",                      "txtProvImm"},
    {112.0, "Zona:",                      "txtZona"},
    {117.0, "Piano:",                     "txtPiano"},
    {122.0, "Vani:",                      "txtVani"},
    {127.0, "Accessori:",                 "txtAccessori"},
    {132.0, "Posti letto:",               "txtPosti"},
    {137.0, "Persone ospitate:",          "txtPersone"},
    {142.0, "Periodo preferito:",         "txtPeriodo"},
    {147.0, "Questioni in sospeso:",      "txtQuestioni"},
}};

} // namespace

Report::PageTemplate pageTemplate()
{
    return CardDocument::pageTemplate({
        .reportName = QStringLiteral("Scheda Conduttore"),
        .title = QStringLiteral("SCHEDA CONDUTTORE"),
        .rows = rows,
        .separatorHeight = 144.6,
        .footerTop = 154.0,
    });
}

Report::FillResult fill(Report::PageTemplate &pageTemplate, const FieldLookup &field,
                        const QDateTime &printedAt)
{
    return CardDocument::fill(pageTemplate, rows, field, printedAt);
}

} // namespace TenantCard
