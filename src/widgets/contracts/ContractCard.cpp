#include "widgets/contracts/ContractCard.h"

#include "engine/archive/RecordLayouts.h"
#include "widgets/checks/CheckLauncher.h"

CardWindowTable contractCardTable()
{
    CardWindowTable table;
    table.objectName = "frmContratti";
    table.caption = QStringLiteral(" Vacanzio - Contratti di Locazione");
    table.layout = &RecordLayouts::contratto();
    table.messages = CardMessages::contracts();
    table.readyText = QStringLiteral("Pronto per archiviare un nuovo contratto...");
    table.panelName = "panContratto";
    table.sections = {
        {"bkgLocatore", nullptr, Picture::Person, 0, 0, 490, 258},
        {"bkgConduttore", nullptr, Picture::Tenant, 505, 0, 490, 258},
        {"bkgContratto", nullptr, Picture::Contract, 0, 266, 995, 318},
    };
    constexpr auto Upper = TypingRule::TrimUpper;
    constexpr auto None = TypingRule::None;
    constexpr auto Province = FieldKind::Province;
    constexpr auto Text = FieldKind::Text;
    constexpr auto Picked = FieldKind::PickedDate;
    constexpr auto Mandatory = LabelStyle::Mandatory;
    constexpr auto Signing = LabelStyle::Signing;
    table.fields = {
        // The landlord.
        {"Locatore", "Cognome e nome Locatore:", 0, 0, 12, 420, Text, None, Mandatory},
        {"LuogoNascLoc", "Luogo di nascita:", 0, 1, 12, 258},
        {"ProvNascLoc", nullptr, 0, 1, 276, 64, Province, Upper},
        {"DataNascLoc", "Data di nascita:", 0, 1, 348, 130},
        {"CodFiscLoc", "C.F.", 0, 2, 12, 230, Text, Upper},
        {"ComuneDom", "Comune di residenza:", 0, 3, 12, 300},
        {"ProvDom", nullptr, 0, 3, 318, 64, Province, Upper},
        {"ViaDom", "Via e numero civico:", 0, 4, 12, 370},
        {"CapLoc", "CAP:", 0, 4, 390, 88},
        // The tenant.
        {"Conduttore", "Cognome e nome Conduttore:", 1, 0, 12, 420, Text, None, Mandatory},
        {"LuogoNascCon", "Luogo di nascita:", 1, 1, 12, 258},
        {"ProvNascCon", nullptr, 1, 1, 276, 64, Province, Upper},
        {"DataNascCon", "Data di nascita:", 1, 1, 348, 130},
        {"CodFiscCon", "C.F.", 1, 2, 12, 230, Text, Upper},
        {"ComuneRes", "Comune di residenza:", 1, 3, 12, 300},
        {"ProvRes", nullptr, 1, 3, 318, 64, Province, Upper},
        {"ViaRes", "Via e numero civico:", 1, 4, 12, 370},
        {"CapCon", "CAP:", 1, 4, 390, 88},
        // The property and the terms.
        {"Persone", "Persone ospitate:", 2, 0, 12, 560},
        {"ComuneImm", "Comune ubicazione immobile:", 2, 0, 584, 300},
        {"ProvImm", nullptr, 2, 0, 892, 64, Province, Upper},
        {"ViaImm", "Via e numero civico:", 2, 1, 12, 400},
        {"CapImm", "CAP:", 2, 1, 420, 80},
        {"Scala", "Scala:", 2, 1, 508, 80},
        {"Interno", "Interno:", 2, 1, 596, 80},
        {"Piano", "Piano:", 2, 1, 684, 80},
        {"Vani", "Vani:", 2, 1, 772, 80},
        {"Accessori", "Accessori:", 2, 2, 12, 500},
        {"Posti", "Posti letto:", 2, 2, 520, 130},
        {"CodComune", "Codice Comune:", 2, 2, 658, 110},
        {"SezUrb", "Sez. urbana:", 2, 2, 776, 100},
        {"Foglio", "Foglio:", 2, 2, 884, 100},
        {"Particella", "Particella:", 2, 3, 12, 110},
        {"Subalterno", "Subalterno:", 2, 3, 130, 110},
        {"Superficie", "Superficie:", 2, 3, 248, 130},
        {"DurataCon", "Durata contratto:", 2, 3, 386, 110, Text, None, Mandatory, "giorni."},
        {"InizioCon", "Data inizio:", 2, 3, 570, 130, Picked, None, Mandatory},
        {"FineCon", "Data fine:", 2, 3, 708, 130, Picked, None, Mandatory},
        {"ImpCanone", "Importo canone:", 2, 3, 846, 138, Text, None, Mandatory},
        {"Spese", "Spese a carico del Conduttore:", 2, 4, 12, 480},
        {"Pagamento", "Modalità di pagamento:", 2, 4, 500, 300},
        {"ImpCauzione", "Importo cauzione:", 2, 4, 808, 176},
        {"Documento", "Estremi documento Conduttore:", 2, 5, 12, 400},
        {"Pattuizioni", "Note:", 2, 5, 420, 300},
        {"Luogo", "Luogo:", 2, 5, 728, 130, Text, None, Signing},
        {"Data", "Data:", 2, 5, 866, 118, Text, None, Signing},
    };
    table.sideButtons = {
        {"impLocatore", "Importa i dati dall'archivio dei Locatori.", Picture::Import, "Locatore"},
        {"impConduttore", "Importa i dati dall'archivio dei Conduttori.", Picture::Import, "Conduttore"},
        {"impCodFiscLoc", "Controlla il codice fiscale.", Picture::Info, "CodFiscLoc", &CheckLauncher::checkFiscalCode},
        {"impCodFiscCon", "Controlla il codice fiscale.", Picture::Info, "CodFiscCon", &CheckLauncher::checkFiscalCode},
        {"cmdOspiti", "Ospiti del soggiorno e schedine per la Questura.", Picture::Person, "ProvImm", nullptr, true},
    };
    table.toolbarHints = {
        {"cmdNuovo", "Prepara la schermata per l'emissione di un nuovo contratto."},
        {"cmdDuplica", "Prepara la schermata per l'emissione di un nuovo contratto duplicando i dati correnti."},
        {"cmdSalva", "Salva o aggiorna il contratto corrente."},
        {"cmdTrova", "Trova un contratto in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa del contratto corrente."},
        {"cmdStampa", "Stampa il contratto corrente."},
        {"cmdPrimo", "Visualizza il primo contratto in archivio."},
        {"cmdIndietro", "Visualizza il contratto precedente in archivio."},
        {"cmdAvanti", "Visualizza il contratto successivo in archivio."},
        {"cmdUltimo", "Visualizza l'ultimo contratto in archivio."},
        {"cmdEsporta", "Esporta l'archivio dei contratti in un foglio di lavoro di Microsoft Excel."},
        {"cmdNumerazione", "Visualizza il riepilogo dei contratti non scaduti."},
        {"cmdGuida", "Visualizza la guida in linea sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."},
    };
    table.extraToolPicture = Picture::Clock;
    return table;
}
