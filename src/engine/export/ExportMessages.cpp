#include "engine/export/ExportMessages.h"

// The questions break their lines with CR LF CR LF, the failure message, like
// the program's other warnings, with LF CR LF CR.
namespace ExportMessages {

QString confirmExport()
{
    return QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda "
                          "del numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString openWrittenFile()
{
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                          "Si vuole aprire il file di Excel?");
}

QString exportFailed()
{
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il file di Excel non sia già aperto.");
}

} // namespace ExportMessages
