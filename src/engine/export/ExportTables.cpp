#include "engine/export/ExportTables.h"

#include "engine/archive/RecordLayouts.h"

#include <array>

// The export of each archive as data: which fields become columns, under
// which headers and at which widths, and where the file goes.
namespace {

constexpr std::array LandlordColumns = {
    ExportColumn{"Locatore", "Cognome e nome Locatore", nullptr, 280},
    ExportColumn{"CodFiscLoc", "Codice fiscale", nullptr, 250},
    ExportColumn{"PartitaIvaLoc", "Partita IVA", nullptr, 250},
    ExportColumn{"ComuneDom", "Comune di residenza", nullptr, 280},
    ExportColumn{"ProvDom", "Prov.", nullptr, 150},
    ExportColumn{"ViaDom", "Via e numero civico", nullptr, 350},
    ExportColumn{"RecapitoLoc", "Tel. preferenziale", nullptr, 250},
    ExportColumn{"TelCasaLoc", "Tel. casa", nullptr, 250},
    ExportColumn{"TelCelLoc", "Tel. cellulare", nullptr, 250},
    ExportColumn{"PecLoc", "PEC", nullptr, 250},
    ExportColumn{"EmailLoc", "E-mail", nullptr, 250},
    ExportColumn{"Note", "Note", nullptr, 400},
    ExportColumn{"TipoImm", "Tipo immobile", nullptr, 250},
    ExportColumn{"ComuneImm", "Comune ubicazione", nullptr, 280},
    ExportColumn{"ProvImm", "Prov.", nullptr, 150},
    ExportColumn{"CapImm", "CAP", nullptr, 180},
    ExportColumn{"ViaImm", "Via e numero civico", nullptr, 350},
    ExportColumn{"Piano", "Piano", nullptr, 160},
    ExportColumn{"Vani", "Vani", nullptr, 200},
    ExportColumn{"Accessori", "Accessori", nullptr, 400},
    ExportColumn{"Posti", "Posti letto", nullptr, 200},
    ExportColumn{"CodComune", "Cod. Comune", "Codice Comune", 160},
    ExportColumn{"Superficie", "Superficie", nullptr, 250},
    ExportColumn{"Rendita", "Rendita catastale", nullptr, 200},
    ExportColumn{"Spese", "Spese a carico del Conduttore", nullptr, 400},
};

constexpr std::array TenantColumns = {
    ExportColumn{"Conduttore", "Cognome e nome Conduttore", nullptr, 280},
    ExportColumn{"CodFiscCon", "Codice fiscale", nullptr, 250},
    ExportColumn{"PartitaIvaCon", "Partita IVA", nullptr, 250},
    ExportColumn{"ComuneRes", "Comune di residenza", nullptr, 280},
    ExportColumn{"ProvRes", "Prov.", nullptr, 150},
    ExportColumn{"ViaRes", "Via e numero civico", nullptr, 350},
    ExportColumn{"RecapitoCon", "Tel. preferenziale", nullptr, 250},
    ExportColumn{"TelCasaCon", "Tel. casa", nullptr, 250},
    ExportColumn{"TelCelCon", "Tel. cellulare", nullptr, 250},
    ExportColumn{"PecCon", "PEC", nullptr, 250},
    ExportColumn{"EmailCon", "E-mail", nullptr, 250},
    ExportColumn{"Note", "Note", nullptr, 400},
    ExportColumn{"TipoImm", "Tipo immobile richiesto", nullptr, 260},
    ExportColumn{"ComuneImm", "Comune ubicazione", nullptr, 280},
    ExportColumn{"ProvImm", "Prov.", nullptr, 150},
    ExportColumn{"Zona", "Zona", nullptr, 280},
    ExportColumn{"Piano", "Piano", nullptr, 160},
    ExportColumn{"Vani", "Vani", nullptr, 200},
    ExportColumn{"Accessori", "Accessori", nullptr, 400},
    ExportColumn{"Posti", "Posti letto", nullptr, 200},
    ExportColumn{"Persone", "Persone ospitate", nullptr, 400},
    ExportColumn{"Periodo", "Periodo preferito", nullptr, 260},
    ExportColumn{"Questioni", "Questioni in sospeso", nullptr, 400},
};

constexpr std::array ContractColumns = {
    ExportColumn{"Locatore", "Cognome e nome Locatore", nullptr, 280},
    ExportColumn{"CodFiscLoc", "Codice fiscale Locatore", nullptr, 250},
    ExportColumn{"Conduttore", "Cognome e nome Conduttore", nullptr, 280},
    ExportColumn{"CodFiscCon", "Codice fiscale Conduttore", nullptr, 250},
    ExportColumn{"ComuneRes", "Comune di residenza", nullptr, 280},
    ExportColumn{"ProvRes", "Prov.", nullptr, 150},
    ExportColumn{"ViaRes", "Via e numero civico", nullptr, 350},
    ExportColumn{"CapCon", "CAP", nullptr, 180},
    ExportColumn{"Persone", "Persone ospitate", nullptr, 400},
    ExportColumn{"ComuneImm", "Comune ubicazione immobile", nullptr, 280},
    ExportColumn{"ProvImm", "Prov.", nullptr, 150},
    ExportColumn{"ViaImm", "Via e numero civico", nullptr, 350},
    ExportColumn{"CapImm", "CAP", nullptr, 180},
    ExportColumn{"Vani", "Vani", nullptr, 200},
    ExportColumn{"Accessori", "Accessori", nullptr, 400},
    ExportColumn{"Posti", "Posti letto", nullptr, 200},
    ExportColumn{"DurataCon", "Giorni", nullptr, 180},
    ExportColumn{"InizioCon", "Data inizio contratto", nullptr, 200},
    ExportColumn{"FineCon", "Data fine contratto", nullptr, 200},
    ExportColumn{"ImpCanone", "Importo canone", nullptr, 200},
    ExportColumn{"Spese", "Spese a carico del Conduttore", nullptr, 400},
    ExportColumn{"Pagamento", "Modalità di pagamento", nullptr, 400},
    ExportColumn{"ImpCauzione", "Importo cauzione", nullptr, 200},
    ExportColumn{"Pattuizioni", "Note", nullptr, 400},
    ExportColumn{"Data", "Data stipula contratto", nullptr, 200},
};

constexpr std::array ReceiptColumns = {
    ExportColumn{"NumRic", "Ricevuta n.", nullptr, 200},
    ExportColumn{"Data", "Data emissione", nullptr, 200},
    ExportColumn{"Pagatore01", "Pagatore (rigo 1)", nullptr, 350},
    ExportColumn{"Pagatore02", "Pagatore (rigo 2)", nullptr, 350},
    ExportColumn{"Causale01", "Causale (rigo 1)", nullptr, 350},
    ExportColumn{"Causale02", "Causale (rigo 2)", nullptr, 350},
    ExportColumn{"Intero", "Totale: €", nullptr, 200},
};

// The guide's three paragraphs; only the first and the end of the second
// change with the archive.
#define GUIDE_FIRST(what)                                                                        \
    "Il pulsante Esporta archivio consente di esportare " what " in un foglio di lavoro di "     \
    "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file " \
    "in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."
#define GUIDE_SECOND(which)                                                                      \
    "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona "  \
    "di Excel. Questa operazione crea in tempo reale un file in formato XLS contenente " which    \
    " in archivio, che potrà essere aperto immediatamente rispondendo affermativamente al "       \
    "messaggio di domanda che appare."
#define GUIDE_THIRD                                                                              \
    "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome " \
    "qualsiasi."
#define GUIDE(first, second) GUIDE_FIRST(first) "\r\n\r\n" GUIDE_SECOND(second) "\r\n\r\n" GUIDE_THIRD

const ExportDefinition Definitions[] = {
    {ExportArchive::Locatori, "TfrmExpLocatori", "frmExpLocatori",
     " Esportazione archivio Locatori in Microsoft Excel", "Archivio_Locatori.pro",
     "Archivio_Locatori.xls", "Archivio_Locatori.xlsx", "Riepilogo Locatori",
     "Esportazione archivio Locatori in Microsoft Excel",
     GUIDE("tutti i Locatori registrati in archivio", "tutte le schede"),
     &RecordLayouts::locatore, LandlordColumns},
    {ExportArchive::Conduttori, "TfrmExpConduttori", "frmExpConduttori",
     " Esportazione archivio Conduttori in Microsoft Excel", "Archivio_Conduttori.pro",
     "Archivio_Conduttori.xls", "Archivio_Conduttori.xlsx", "Riepilogo Conduttori",
     "Esportazione archivio Conduttori in Microsoft Excel",
     GUIDE("tutti i Conduttori registrati in archivio", "tutte le schede"),
     &RecordLayouts::conduttore, TenantColumns},
    {ExportArchive::Contratti, "TfrmExpContratti", "frmExpContratti",
     " Esportazione archivio contratti in Microsoft Excel", "Archivio_Contratti.pro",
     "Archivio_Contratti.xls", "Archivio_Contratti.xlsx", "Riepilogo Contratti Locazione",
     "Esportazione archivio contratti in Microsoft Excel",
     GUIDE("tutti i contratti di locazione registrati in archivio", "tutte le schede"),
     &RecordLayouts::contratto, ContractColumns},
    {ExportArchive::Ricevute, "TfrmExpRic", "frmExpRic",
     " Esporta archivio ricevute in Microsoft Excel", nullptr,
     "Ricevute.xls", "Ricevute.xlsx", "Riepilogo Ricevute",
     "Esportazione archivio ricevute in Microsoft Excel",
     GUIDE("l'archivio annuale delle ricevute", "le schede"),
     &RecordLayouts::ricevuta, ReceiptColumns},
};

#undef GUIDE
#undef GUIDE_THIRD
#undef GUIDE_SECOND
#undef GUIDE_FIRST

} // namespace

namespace ExportTables {

const ExportDefinition &definition(ExportArchive archive)
{
    for (const ExportDefinition &definition : Definitions) {
        if (definition.archive == archive)
            return definition;
    }
    Q_UNREACHABLE();
}

} // namespace ExportTables
