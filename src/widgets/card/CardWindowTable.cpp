#include "widgets/card/CardWindowTable.h"

#include "engine/platform/Platform.h"

std::vector<CardHintDef> CardWindowTable::cardToolbarHints()
{
    return {
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", "Salva la scheda in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta l'archivio in un foglio di lavoro di Microsoft Excel."},
        {"cmdNumerazione", "Allega file alla scheda corrente."},
        {"cmdGuida", "Visualizza la guida in linea sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."},
    };
}

void SideActions::sendEmail(QWidget *, const QString &address)
{
    platform().shellOpen(QStringLiteral("\"mailto:") + address + QLatin1Char('"'));
}
