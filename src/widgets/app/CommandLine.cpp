#include "widgets/app/CommandLine.h"

#include <QCommandLineParser>

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("cartella"),
                                    QStringLiteral("Usa DIR come cartella dei dati (creata se manca)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption trial(QStringLiteral("prova-avvio"),
                                   QStringLiteral("Termina appena mostrata la prima finestra."));
    parser.addOption(folder);
    parser.addOption(trial);

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = QStringLiteral("Attenzione: ") + parser.errorText();
        return line;
    }
    line.folder = parser.value(folder);
    line.startupTrial = parser.isSet(trial);
    if (parser.isSet(folder) && line.folder.trimmed().isEmpty())
        line.error = QStringLiteral("Attenzione: l'opzione --cartella richiede il nome di una cartella.");
    return line;
}
