#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the guests window and the arrivals list share to write a police
// file: the message of what is missing, the save dialog and its outcome.
namespace PoliceFileSaving {

// One message listing every problem that keeps the file from being made.
void showProblems(const QStringList &problems);

// Asks where to save the file (proposing `proposedName` in the program
// folder), writes it and says how it went. False when nothing was written.
bool save(const QByteArray &bytes, const QString &proposedName);

} // namespace PoliceFileSaving
