#pragma once

#include <QString>
#include <QStringList>

// What the program is told on its command line:
//   vacanzio [--cartella DIR] [--prova-avvio]
struct CommandLine
{
    QString folder;             // --cartella: the folder for the program's files
    bool startupTrial = false;  // --prova-avvio: end once the first window is shown
    QString error;              // why the line cannot be used, for the user

    static CommandLine parse(const QStringList &arguments);
};
