#include "engine/archive/CardMessages.h"

CardMessages CardMessages::cards()
{
    return {
        QStringLiteral("L'archivio non contiene nessuna scheda."),
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."),
        QStringLiteral("La scheda corrente è stata inserita in archivio."),
        QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                       "Al termine premere Salva per inserire la scheda in archivio."),
        QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa "
                       "è stata inserita in archivio."),
    };
}

CardMessages CardMessages::contracts()
{
    return {
        QStringLiteral("L'archivio non contiene nessun contratto."),
        QStringLiteral("Le modifiche apportate al contratto corrente sono state salvate in archivio."),
        QStringLiteral("Il contratto corrente è stato inserito in archivio."),
        QStringLiteral("E' ora possibile apportare le proprie modifiche al contratto corrente.\n\r\n\r"
                       "Al termine premere Salva per inserire il contratto in archivio."),
        QStringLiteral("Attenzione: la duplicazione di un contratto può avvenire soltanto dopo che questo "
                       "è stato inserito in archivio."),
    };
}

CardMessages CardMessages::receipts()
{
    CardMessages messages = cards();
    messages.emptyArchive = QStringLiteral("L'archivio non contiene nessuna ricevuta.");
    messages.copyReady = QStringLiteral("E' ora possibile apportare le proprie modifiche alla ricevuta corrente.\n\r\n\r"
                                        "Al termine premere Salva per registrare i dati in archivio.");
    messages.duplicateRefused = QStringLiteral(
        "Attenzione: questa funzione serve a duplicare una ricevuta che è già stata salvata in archivio.\n\r\n\r"
        "Visualizzare la ricevuta da duplicare e fare clic sul pulsante Duplica.");
    messages.saveFailureKind = MessageKind::Warning;
    messages.firstFailureKind = MessageKind::Warning;
    return messages;
}

QString CardMessages::accessDenied()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                          "del programma.");
}
