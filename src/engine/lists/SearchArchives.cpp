#include "engine/lists/SearchArchives.h"

#include "engine/archive/RecordLayouts.h"

namespace {

const SearchArchiveDef kTenants = {
    "TfrmTrovaConduttori", "frmTrovaConduttori", " Trova Conduttori in archivio", "conduttori",
    &RecordLayouts::conduttore,
    {
        {"txtConduttore", "Cognome e nome Conduttore:", "Conduttore"},
        {"txtCodFiscCon", "Codice fiscale:", "CodFiscCon"},
        {"txtComuneRes", "Comune di residenza:", "ComuneRes"},
        {"txtNote", "Note:", "Note"},
        {"txtTipoImm", "Tipo immobile richiesto:", "TipoImm"},
        {"txtPeriodo", "Periodo preferito:", "Periodo"},
        {"txtComuneImm", "Comune ubicazione:", "ComuneImm"},
        {"txtZona", "Zona:", "Zona"},
        {"txtPosti", "Posti letto:", "Posti"},
        {"txtQuestioni", "Questioni in sospeso:", "Questioni"},
    },
    true, "Riepilogo Conduttori", " schede",
    "Fare doppio clic su una voce in elenco per richiamare la scheda",
    &SummaryLayouts::tenants,
};

const SearchArchiveDef kLandlords = {
    "TfrmTrovaLocatori", "frmTrovaLocatori", " Trova Locatori e immobili in archivio", "locatori",
    &RecordLayouts::locatore,
    {
        {"txtLocatore", "Cognome e nome Locatore:", "Locatore"},
        {"txtCodFiscLoc", "Codice fiscale:", "CodFiscLoc"},
        {"txtComuneDom", "Comune di residenza:", "ComuneDom"},
        {"txtNote", "Note:", "Note"},
        {"txtTipoImm", "Tipo immobile:", "TipoImm"},
        {"txtViaImm", "Via e numero civico:", "ViaImm"},
        {"txtComuneImm", "Comune ubicazione:", "ComuneImm"},
        {"txtPiano", "Piano:", "Piano"},
        {"txtVani", "Vani:", "Vani"},
        {"txtPosti", "Posti letto:", "Posti"},
    },
    true, "Riepilogo Locatori e immobili", " schede",
    "Fare doppio clic su una voce in elenco per richiamare la scheda",
    &SummaryLayouts::landlords,
};

const SearchArchiveDef kContracts = {
    "TfrmTrovaContratti", "frmTrovaContratti", " Trova contratti in archivio", "contratti",
    &RecordLayouts::contratto,
    {
        {"txtLocatore", "Cognome e nome Locatore:", "Locatore"},
        {"txtCodFiscLoc", "Codice fiscale Locatore:", "CodFiscLoc"},
        {"txtConduttore", "Cognome e nome Conduttore:", "Conduttore"},
        {"txtCodFiscCon", "Codice fiscale Conduttore:", "CodFiscCon"},
        {"txtComuneImm", "Comune ubicazione immobile:", "ComuneImm"},
        {"txtViaImm", "Via e numero civico:", "ViaImm"},
        {"txtInizioCon", "Data inizio contratto (gg/mm/aaaa):", "InizioCon"},
        {"txtFineCon", "Data fine contratto (gg/mm/aaaa):", "FineCon"},
        // The contract's personal notes are shown under "Note:".
        {"txtNote", "Note:", "Pattuizioni"},
        {"txtImpCanone", "Importo canone:", "ImpCanone"},
    },
    true, "Riepilogo contratti di locazione", " schede",
    "Fare doppio clic su una voce in elenco per richiamare la scheda",
    &SummaryLayouts::contracts,
};

const SearchArchiveDef kReceipts = {
    "TfrmTrovaRic", "frmTrovaRic", " Trova ricevute in archivio", "ricevuta",
    &RecordLayouts::ricevuta,
    {
        {"txtNumRic", "Ricevuta n.", "NumRic"},
        {"txtData", "Data emissione (gg/mm/aaaa):", "Data"},
        {"txtPagatore01", "Pagatore (rigo 1):", "Pagatore01"},
        {"txtPagatore02", "Pagatore (rigo 2):", "Pagatore02"},
        {"txtCausale01", "Causale (rigo 1):", "Causale01"},
        {"txtCausale02", "Causale (rigo 2):", "Causale02"},
    },
    false, "Riepilogo ricevute di pagamento", " schede.",
    "Fare doppio clic sulla voce in elenco per richiamare la scheda",
    &SummaryLayouts::receipts,
    true,
};

} // namespace

namespace SearchArchives {

const SearchArchiveDef &definition(SearchArchive archive)
{
    switch (archive) {
    case SearchArchive::Tenants: return kTenants;
    case SearchArchive::Landlords: return kLandlords;
    case SearchArchive::Contracts: return kContracts;
    case SearchArchive::Receipts: return kReceipts;
    }
    return kTenants;
}

} // namespace SearchArchives
