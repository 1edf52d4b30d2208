#include "widgets/guests/PoliceFileSaving.h"

#include "engine/guests/PoliceFile.h"
#include "engine/platform/Platform.h"

namespace PoliceFileSaving {

void showProblems(const QStringList &problems)
{
    platform().showMessage(MessageKind::Warning,
                           QStringLiteral("Attenzione: il file delle schedine non può essere scritto finché "
                                          "mancano questi dati:\n\n")
                               + problems.join(QLatin1Char('\n')));
}

bool save(const QByteArray &bytes, const QString &proposedName)
{
    const QString path = platform().chooseFileToSave(QStringLiteral("Salva il file delle schedine"),
                                                     QStringLiteral("File di testo (*.txt)|*.txt"),
                                                     platform().programFolder() + proposedName);
    if (path.isEmpty())
        return false;
    if (!PoliceFile::write(path, bytes)) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Non è stato possibile salvare il file delle schedine.\n\n"
                                              "Verificare di avere i permessi di scrittura nella cartella scelta."));
        return false;
    }
    platform().showMessage(MessageKind::Information,
                           QStringLiteral("Il file delle schedine è stato salvato.\n\n"
                                          "Caricarlo sul portale Alloggiati Web della Polizia di Stato entro "
                                          "24 ore dall'arrivo degli ospiti."));
    return true;
}

} // namespace PoliceFileSaving
