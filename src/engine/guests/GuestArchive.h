#pragma once

#include "engine/guests/Guest.h"

#include <QList>
#include <QString>

class Record;
class RecordLayout;

// The guests of every stay, in Archivio_Ospiti.pro in the program folder:
// record k holds the guests of the contract stored at position k of the
// contract archive, with a copy of that contract's tenant and start date.
// A contract overwritten by another stay keeps its position but not its
// tenant and dates, so its old guests are recognised as another stay's and
// never shown for the new one.
//
// A list is one record, written whole in one flushed write under the
// archive's lock: a save either happened or did not. Positions with no
// guests hold empty records; a trailing fragment shorter than a record is
// never read.
namespace GuestArchive {

constexpr int kMaxGuests = 30;

QString fileName();
const RecordLayout &layout();

// What ties a list to its contract: the contract's tenant (Conduttore) and
// start date (InizioCon), trimmed.
struct Link
{
    QString tenant;
    QString start;

    bool operator==(const Link &) const = default;
};

// The link of a contract record.
Link linkOf(const Record &contract);

struct Loaded
{
    enum class State {
        None,        // no guests stored for that position
        Found,       // the guests of this stay
        Stale,       // the guests of another stay once at that position
        Unreadable,  // the archive could not be read
    };
    State state = State::None;
    QList<Guest> guests;  // Found only
    Link storedFor;       // Found and Stale: the stay the guests belong to
};

// The guests stored for the contract at `position` (from 1) that `contract`
// describes.
Loaded load(const QString &programFolder, qint64 position, const Link &contract);

// Stores `guests` (at most kMaxGuests) as the list of the contract at
// `position`, replacing whatever that position held. False, and the
// archive as it was, on any failure.
bool save(const QString &programFolder, qint64 position, const Link &contract, const QList<Guest> &guests);

// A record's texts and back, for the archive and its tests.
QByteArray encode(const Link &contract, const QList<Guest> &guests);
Loaded decode(const QByteArray &record, const Link &contract);

} // namespace GuestArchive
