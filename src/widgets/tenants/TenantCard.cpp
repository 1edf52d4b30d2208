#include "widgets/tenants/TenantCard.h"

#include "engine/archive/RecordLayouts.h"
#include "widgets/checks/CheckLauncher.h"

CardWindowTable tenantCardTable()
{
    CardWindowTable table;
    table.objectName = "frmConduttori";
    table.caption = QStringLiteral(" Vacanzio - Archivio Conduttori");
    table.layout = &RecordLayouts::conduttore();
    table.messages = CardMessages::cards();
    table.readyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
    table.panelName = "panConduttore";
    table.sections = {
        {"bkgConduttore", "icoConduttore", Picture::Tenant, 0, 0, 995, 318},
        {"bkgConduttoreCalce", "icoImmobile", Picture::House, 0, 326, 995, 258, 25},
    };
    constexpr auto Upper = TypingRule::TrimUpper;
    constexpr auto Trim = TypingRule::Trim;
    constexpr auto None = TypingRule::None;
    constexpr auto Province = FieldKind::Province;
    constexpr auto Digits = FieldKind::Digits;
    constexpr auto Text = FieldKind::Text;
    constexpr auto Normal = LabelStyle::Normal;
    table.fields = {
        // The tenant.
        {"Conduttore", "Cognome e nome Conduttore:", 0, 0, 64, 360},
        {"SessoCon", "Sesso:", 0, 0, 436, 44, Text, Upper, Normal, nullptr, true},
        {"CodFiscCon", "Codice fiscale:", 0, 0, 492, 230, Text, Upper},
        {"LuogoNascCon", "Luogo di nascita:", 0, 1, 64, 260},
        {"ProvNascCon", "Prov.", 0, 1, 336, 64, Province, Upper},
        {"DataNascCon", "Data di nascita:", 0, 1, 412, 130},
        {"ComuneRes", "Comune di residenza:", 0, 1, 554, 260},
        {"ProvRes", "Prov.", 0, 1, 826, 64, Province, Upper},
        {"ViaRes", "Via e numero civico:", 0, 2, 12, 400},
        {"CapCon", "CAP:", 0, 2, 424, 80},
        {"RecapitoCon", "Telefono preferenziale:", 0, 2, 516, 200},
        {"PartitaIvaCon", "Partita IVA:", 0, 2, 728, 150, Digits, None},
        {"TelCasaCon", "Tel. casa:", 0, 3, 12, 150},
        {"TelCelCon", "Tel. cellulare:", 0, 3, 174, 150},
        {"PecCon", "PEC:", 0, 3, 336, 260, Text, Trim},
        {"EmailCon", "E-mail:", 0, 3, 640, 310, Text, Trim},
        {"Note", "Note:", 0, 4, 12, 971},
        {"Documento", "Estremi documento:", 0, 5, 12, 971},
        // The property wanted.
        {"TipoImm", "Tipo immobile richiesto:", 1, 0, 64, 250},
        {"ComuneImm", "Comune ubicazione:", 1, 0, 326, 250},
        {"ProvImm", "Prov.", 1, 0, 588, 64, Province, Upper},
        {"Zona", "Zona:", 1, 0, 664, 320},
        {"Piano", "Piano:", 1, 1, 64, 90},
        {"Vani", "Vani:", 1, 1, 166, 90},
        {"Accessori", "Accessori:", 1, 1, 268, 500},
        {"Posti", "Posti letto:", 1, 1, 780, 204},
        {"Persone", "Persone ospitate:", 1, 2, 12, 640},
        {"Periodo", "Periodo preferito:", 1, 2, 664, 320},
        {"Questioni", "Questioni in sospeso:", 1, 3, 12, 971},
    };
    table.sideButtons = {
        {"btnCodFiscCon", "Controlla il codice fiscale.", Picture::Check, "CodFiscCon", &CheckLauncher::checkFiscalCode},
        {"btnPartitaIvaCon", "Controlla il numero di partita IVA.", Picture::Check, "PartitaIvaCon",
         &CheckLauncher::checkVatNumber},
        {"btnEmailCon", "Invia una e-mail all'indirizzo indicato.", Picture::SendEmail, "EmailCon", &SideActions::sendEmail},
    };
    table.decorations = {{"icoEmailCon", Picture::Email, "EmailCon"}};
    table.toolbarHints = CardWindowTable::cardToolbarHints();
    table.extraToolPicture = Picture::Attach;
    table.requiredField = "Conduttore";
    table.requiredMessage = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare cognome e nome del Conduttore.");
    return table;
}
