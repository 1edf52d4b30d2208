#pragma once

#include "engine/guests/Guest.h"

#include <QList>
#include <QStringList>

class PoliceCodes;

// What keeps a stay's guests from the State Police guest file.
namespace PoliceFileChecks {

// Every problem, in Italian, the stay's first, then each guest's in the
// guests' order and the fields' order, each naming the guest by position
// and name ("Ospite 2 (ROSSI ANNA): manca la data di nascita."). Empty when
// the file can be written.
//
// Places are looked up in `codes`: a birth place may be a comune or a state
// that has since ceased, if it still existed on the birth date; the
// citizenship and the place where the document was issued must be valid
// today. Family and group members (19, 20) carry no document: theirs, if
// any, is left out of the file and not checked.
QStringList problems(const Stay &stay, const QList<Guest> &guests, const PoliceCodes &codes);

} // namespace PoliceFileChecks
