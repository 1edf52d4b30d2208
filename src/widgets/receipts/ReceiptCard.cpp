#include "widgets/receipts/ReceiptCard.h"

#include "engine/archive/RecordLayouts.h"

CardWindowTable receiptCardTable()
{
    CardWindowTable table;
    table.objectName = "frmRicevuta";
    table.caption = QStringLiteral(" Vacanzio");
    table.layout = &RecordLayouts::ricevuta();
    table.messages = CardMessages::receipts();
    table.readyText = QStringLiteral("Pronto per archiviare una nuova ricevuta...");
    table.panelName = "panRicevuta";
    table.highlights = false;
    table.sections = {
        // The receipt itself, and on it the box of the number and the date
        // and the shaded bar of the amount in words.
        {"bkgRicevuta", nullptr, Picture::Receipt, 0, 0, 995, 584},
        {"bkgNumero", nullptr, Picture::Receipt, 676, 12, 304, 132},
        {"bkgLettere", nullptr, Picture::Receipt, 66, 262, 914, 46, 8, true},
    };
    constexpr auto Digits = FieldKind::Digits;
    constexpr auto Label = FieldKind::Label;
    constexpr auto Hidden = FieldKind::HiddenLabel;
    constexpr auto Large = FieldFont::Large;
    // Every field stands at its own place (`top`), not in rows.
    table.fields = {
        {.name = "NumRic", .section = 1, .x = 12, .width = 280, .centred = true, .top = 34, .height = 28},
        {.name = "Data", .section = 1, .x = 12, .width = 280, .centred = true, .top = 94, .height = 28},
        {.name = "Importo", .section = 0, .x = 594, .width = 230, .kind = Digits, .rightAligned = true,
         .top = 446, .height = 40, .font = Large},
        {.name = "Cents", .section = 0, .x = 852, .width = 64, .kind = Digits, .centred = true, .top = 446,
         .height = 40, .font = Large},
        {.name = "ImpLettere", .section = 2, .x = 10, .width = 800, .kind = Label, .rightAligned = true,
         .top = 8, .height = 30},
        {.name = "CentLettere", .section = 2, .x = 842, .width = 56, .kind = Label, .top = 8, .height = 30},
        {.name = "Intero", .section = 0, .x = 0, .width = 0, .kind = Hidden},
        {.name = "Ricevente01", .section = 0, .x = 250, .width = 410, .top = 14},
        {.name = "Ricevente02", .section = 0, .x = 250, .width = 410, .top = 46},
        {.name = "Ricevente03", .section = 0, .x = 250, .width = 410, .top = 78},
        {.name = "Ricevente04", .section = 0, .x = 250, .width = 410, .top = 110},
        {.name = "Pagatore01", .section = 0, .x = 140, .width = 796, .top = 168},
        {.name = "Pagatore02", .section = 0, .x = 16, .width = 920, .top = 204},
        {.name = "Causale01", .section = 0, .x = 66, .width = 870, .top = 338},
        {.name = "Causale02", .section = 0, .x = 16, .width = 920, .top = 374},
    };
    const auto centred = Qt::AlignCenter;
    table.captions = {
        {"lblRicevutaN", "RICEVUTA n.", 1, 12, 6, 280, 26, 13, true, centred},
        {"lblData", "Data:", 1, 12, 66, 280, 26, 11, true, centred},
        {"lblRicevutiDa", "Ricevuti da", 0, 16, 168, 120, 26, 12},
        {"lblEuroLettere", "€", 0, 16, 262, 44, 46, 22, true, centred},
        {"lblBarraLettere", "/", 2, 818, 8, 20, 30, 14, true, centred},
        {"lblInLettere", "(IN LETTERE)", 0, 66, 310, 914, 18, 8, false, centred},
        {"lblPer", "per", 0, 16, 338, 46, 26, 12},
        {"lblTotale", "TOTALE :", 0, 420, 446, 130, 40, 15, true, Qt::AlignRight | Qt::AlignVCenter},
        {"lblEuroCifre", "€", 0, 556, 446, 34, 40, 20, true, centred},
        {"lblBarraCifre", "/", 0, 828, 446, 20, 40, 18, true, centred},
        {"lblInCifre", "(IN CIFRE)", 0, 594, 490, 322, 18, 8, false, centred},
    };
    table.hiddenLabels = {{"lblFile", ""}, {"lblInizio", "1"}};
    table.enterChain = {"NumRic", "Data", "Pagatore01", "Pagatore02", "Causale01", "Causale02", "Importo",
                        "Cents", "Ricevente01", "Ricevente02", "Ricevente03", "Ricevente04"};
    table.sideButtons = {
        {"impPagatore", "Importa i dati dall'archivio dei Conduttori.", Picture::Import, "Pagatore01"},
    };
    table.toolbarHints = {
        {"cmdNuovo", "Prepara la schermata per l'emissione di una nuova ricevuta."},
        {"cmdDuplica", "Prepara la schermata per l'emissione di una nuova ricevuta duplicando i dati correnti."},
        {"cmdSalva", "Salva o aggiorna la ricevuta corrente."},
        {"cmdTrova", "Trova una ricevuta in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della ricevuta corrente."},
        {"cmdStampa", "Stampa la ricevuta corrente."},
        {"cmdPrimo", "Visualizza la prima ricevuta in archivio."},
        {"cmdIndietro", "Visualizza la ricevuta precedente in archivio."},
        {"cmdAvanti", "Visualizza la ricevuta successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima ricevuta in archivio."},
        {"cmdEsporta", "Esporta l'archivio annuale delle ricevute in un foglio di lavoro di Microsoft Excel."},
        {"cmdNumerazione", "Imposta il numero iniziale per la numerazione automatica delle ricevute."},
        {"cmdGuida", "Visualizza la guida in linea sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."},
    };
    table.extraToolPicture = Picture::Numbering;
    return table;
}
