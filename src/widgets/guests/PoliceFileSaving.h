#pragma once

#include "engine/archive/Record.h"
#include "engine/guests/Guest.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the guests window and the arrivals list share to write a police
// file: the stay of a contract, the message of what is missing, the save
// dialog and its outcome.
namespace PoliceFileSaving {

// The stay of a contract: its arrival, its nights and the apartment code
// of its property, if it has one.
Stay stayOf(const Record &contract);

// One message listing every problem that keeps the file from being made.
void showProblems(const QStringList &problems);

// Asks where to save the file (proposing `proposedName` in the program
// folder), writes it and says how it went. False when nothing was written.
bool save(const QByteArray &bytes, const QString &proposedName);

} // namespace PoliceFileSaving
