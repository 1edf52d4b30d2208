#pragma once

#include "engine/guests/Guest.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class PoliceCodes;
class Record;

// The State Police guest file of one stay, or why it cannot be made.
struct PoliceFileResult
{
    QByteArray bytes;     // the file, when there are no problems
    QStringList problems; // one sentence each, in Italian, in the guests' order

    bool ok() const { return problems.isEmpty(); }
};

// The guest file ("schedine") that the landlord uploads to the State
// Police portal Alloggiati Web: one line per guest (PoliceFileLayout).
namespace PoliceFile {

// The nights of a contract's stay, from its start to its end; nothing while
// either date is missing.
std::optional<int> nightsOf(const Record &contract);

// The stay of a contract: its arrival, its nights and the apartment code
// of its property in `programFolder`'s property codes, if it has one.
Stay stayOf(const QString &programFolder, const Record &contract);

// The file of the stay's guests, in their order: a single guest alone, or a
// head of family (group) followed by the family's (group's) members. Every
// guest is checked first; any problem, and there are no bytes but the whole
// list of problems, each naming the guest ("Ospite 2 (ROSSI ANNA): manca la
// data di nascita."), for one message.
PoliceFileResult build(const Stay &stay, const QList<Guest> &guests, const PoliceCodes &codes);

// Writes the file at `path`, under a temporary name renamed over `path`
// once complete, so that an old file is never left half-replaced. False
// when it could not be written (the reason is logged).
bool write(const QString &path, const QByteArray &bytes);

// "Schedine 05-08-2025 ROSSI MARIO.txt": the name proposed for the file,
// the characters a file name cannot hold replaced by "_".
QString proposedFileName(const QDate &arrival, const QString &tenant);

} // namespace PoliceFile
