#include "widgets/landlords/LandlordCard.h"

#include "engine/archive/RecordLayouts.h"
#include "widgets/checks/CheckLauncher.h"

CardWindowTable landlordCardTable()
{
    CardWindowTable table;
    table.objectName = "frmLocatori";
    table.caption = QStringLiteral(" Vacanzio - Immobili e Locatori");
    table.layout = &RecordLayouts::locatore();
    table.messages = CardMessages::cards();
    table.readyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
    table.panelName = "panLocatore";
    table.sections = {
        {"bkgLocatore", "icoLocatore", Picture::Person, 0, 0, 995, 318},
        {"bkgLocatoreCalce", "icoDocumento", Picture::House, 0, 326, 995, 258, 25},
    };
    constexpr auto Upper = TypingRule::TrimUpper;
    constexpr auto Trim = TypingRule::Trim;
    constexpr auto Province = FieldKind::Province;
    constexpr auto Digits = FieldKind::Digits;
    constexpr auto Text = FieldKind::Text;
    table.fields = {
        // The landlord.
        {"Locatore", "Cognome e nome Locatore:", 0, 0, 64, 360},
        {"SessoLoc", "Sesso:", 0, 0, 436, 44, Text, Upper},
        {"CodFiscLoc", "Codice fiscale:", 0, 0, 492, 230, Text, Upper},
        {"LuogoNascLoc", "Luogo di nascita:", 0, 1, 64, 260},
        {"ProvNascLoc", "Prov.", 0, 1, 336, 64, Province, Upper},
        {"DataNascLoc", "Data di nascita:", 0, 1, 412, 130},
        {"ComuneDom", "Comune di residenza:", 0, 1, 554, 260},
        {"ProvDom", "Prov.", 0, 1, 826, 64, Province, Upper},
        {"ViaDom", "Via e numero civico:", 0, 2, 12, 400},
        {"CapLoc", "CAP:", 0, 2, 424, 80},
        {"RecapitoLoc", "Telefono preferenziale:", 0, 2, 516, 200},
        {"PartitaIvaLoc", "Partita IVA:", 0, 2, 728, 150, Digits},
        {"TelCasaLoc", "Tel. casa:", 0, 3, 12, 150},
        {"TelCelLoc", "Tel. cellulare:", 0, 3, 174, 150},
        {"PecLoc", "PEC:", 0, 3, 336, 260, Text, Trim},
        {"EmailLoc", "E-mail:", 0, 3, 640, 310, Text, Trim},
        {"Note", "Note:", 0, 4, 12, 971},
        {"TipoDoc", "Tipo documento:", 0, 5, 12, 180},
        {"NumDoc", "Numero:", 0, 5, 204, 180},
        {"EnteRil", "Ente rilascio:", 0, 5, 396, 300},
        {"DataRil", "Data rilascio:", 0, 5, 708, 130},
        {"DataSca", "Data scadenza:", 0, 5, 850, 133},
        // The property.
        {"TipoImm", "Tipo immobile:", 1, 0, 64, 220},
        {"ComuneImm", "Comune ubicazione:", 1, 0, 296, 250},
        {"ProvImm", "Prov.", 1, 0, 558, 64, Province, Upper},
        {"ViaImm", "Via e numero civico:", 1, 0, 634, 270},
        {"CapImm", "CAP:", 1, 0, 916, 68},
        {"Scala", "Scala:", 1, 1, 64, 80},
        {"Interno", "Interno:", 1, 1, 156, 80},
        {"Piano", "Piano:", 1, 1, 248, 80},
        {"Vani", "Vani:", 1, 1, 340, 80},
        {"Accessori", "Accessori:", 1, 1, 432, 390},
        {"Posti", "Posti letto:", 1, 1, 834, 150},
        {"CodComune", "Codice Comune:", 1, 2, 12, 120},
        {"SezUrb", "Sez. urbana:", 1, 2, 144, 120},
        {"Foglio", "Foglio:", 1, 2, 276, 120},
        {"Particella", "Particella:", 1, 2, 408, 120},
        {"Subalterno", "Subalterno:", 1, 2, 540, 120},
        {"Superficie", "Superficie:", 1, 2, 672, 140},
        {"Rendita", "Rendita catastale:", 1, 2, 824, 160},
        {"Spese", "Spese a carico del Conduttore:", 1, 3, 12, 971},
    };
    table.sideButtons = {
        {"btnCodFiscLoc", "Controlla il codice fiscale.", Picture::Check, "CodFiscLoc", &CheckLauncher::checkFiscalCode},
        {"btnPartitaIvaLoc", "Controlla il numero di partita IVA.", Picture::Check, "PartitaIvaLoc", &CheckLauncher::checkVatNumber},
        {"btnEmailLoc", "Invia una e-mail all'indirizzo indicato.", Picture::SendEmail, "EmailLoc", &SideActions::sendEmail},
    };
    table.decorations = {{"icoEmailLoc", Picture::Email, "EmailLoc"}};
    table.toolbarHints = CardWindowTable::cardToolbarHints();
    table.extraToolPicture = Picture::Attach;
    table.requiredField = "Locatore";
    table.requiredMessage = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare cognome e nome del Locatore.");
    return table;
}
