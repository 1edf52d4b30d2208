#include "engine/print/LandlordCard.h"

#include "engine/print/CardDocument.h"

#include <array>

namespace LandlordCard {

namespace {

using CardDocument::CardRow;

// The rows in the card's own order, which is not the record's.
constexpr std::array<CardRow, 41> rows{{
    // Top    Label                        Value box
    {7.0,   "Cognome e nome Locatore:", "txtLocatore"},
    {12.0,  "Codice fiscale:",          "txtCodFiscLoc"},
    {17.0,  "Sesso:",                   "txtSessoLoc"},
    {22.0,  "Data di nascita:",         "txtDataNascLoc"},
    {27.0,  "Luogo di nascita:",        "txtLuogoNascLoc"},
    {32.0,  "Prov.",                    "txtProvNascLoc"},
    {37.0,  "Comune di residenza:",     "txtComuneDom"},
    {42.0,  "CAP:",                     "txtCapLoc"},
    {47.0,  "Prov.",                    "txtProvDom"},
    {52.0,  "Via e numero civico:",     "txtViaDom"},
    {57.0,  "Tel. preferenziale:",      "txtRecapitoLoc"},
    {62.0,  "Partita IVA:",             "txtPartitaIvaLoc"},
    {67.0,  "Tel. casa:",               "txtTelCasaLoc"},
    {72.0,  "Tel. cellulare:",          "txtTelCelLoc"},
    {77.0,  "PEC:",                     "txtPecLoc"},
    {82.0,  "E-mail:",                  "txtEmailLoc"},
    {87.0,  "Note:",                    "txtNote"},
    {92.0,  "Tipo documento:",          "txtTipoDoc"},
    {97.0,  "Numero:",                  "txtNumDoc"},
    {102.0, "Ente rilascio:",           "txtEnteRil"},
    {107.0, "Data rilascio:",           "txtDataRil"},
    {112.0, "Data scadenza:",           "txtDataSca"},
    {117.0, "Tipo immobile:",           "txtTipoImm"},
    {122.0, "Comune ubicazione:",       "txtComuneImm"},
    {127.0, "Prov.",                    "txtProvImm"},
    {132.0, "Via e numero civico:",     "txtViaImm"},
    {137.0, "CAP:",                     "txtCapImm"},
    {142.0, "Scala:",                   "txtScala"},
    {147.0, "Interno:",                 "txtInterno"},
    {152.0, "Piano:",                   "txtPiano"},
    {157.0, "Vani:",                    "txtVani"},
    {162.0, "Accessori:",               "txtAccessori"},
    {167.0, "Posti letto:",             "txtPosti"},
    {172.0, "Codice Comune:",           "txtCodComune"},
    {177.0, "Sezione urbana:",          "txtSezUrb"},
    {182.0, "Foglio:",                  "txtFoglio"},
    {187.0, "Particella:",              "txtParticella"},
    {192.0, "Subalterno:",              "txtSubalterno"},
    {197.0, "Superficie:",              "txtSuperficie"},
    {202.0, "Rendita catastale:",       "txtRendita"},
    {207.0, "Spese del Conduttore:",    "txtSpese"},
}};

} // namespace

Report::PageTemplate pageTemplate()
{
    return CardDocument::pageTemplate({
        .reportName = QStringLiteral("Locatore e Immobile"),
        .title = QStringLiteral("SCHEDA LOCATORE E IMMOBILE"),
        .rows = rows,
        .separatorHeight = 204.6,
        .footerTop = 217.0,
    });
}

Report::FillResult fill(Report::PageTemplate &pageTemplate, const FieldLookup &field,
                        const QDateTime &printedAt)
{
    return CardDocument::fill(pageTemplate, rows, field, printedAt);
}

} // namespace LandlordCard
