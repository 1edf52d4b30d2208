#pragma once

#include <QString>

#include <optional>

class ArchiveFile;
class Record;

// Another contract of the same property whose stay overlaps the one being
// saved: a double booking. The contract window asks before saving such a
// contract, under the archive's lock (CardView::questionBeforeWriting).
namespace BookingOverlap {

struct Booking
{
    qint64 position;  // from 1
    QString tenant;   // its Conduttore
    QString start;    // its InizioCon, as stored
    QString end;      // its FineCon, as stored
};

// The first contract of the open `contracts` archive, other than the one
// at `ownPosition` (0 for a contract not yet stored), of the property of
// `contract` (a ContrattoRecord; see PropertyAddress) whose stay overlaps
// its stay. A stay takes the nights from its first day to its last, the
// day of departure, which may be the next guest's day of arrival: stays
// that only touch do not overlap. A stay that begins and ends on one day
// takes that day. Contracts whose dates cannot be read, or end before they
// begin, are passed over; nothing is looked for when `contract` has no
// readable period or no property (no comune and no street).
std::optional<Booking> findOverlap(const ArchiveFile &contracts, const Record &contract, qint64 ownPosition);

// "Attenzione: l'immobile risulta già locato a <tenant> dal <start> al
// <end>. ... Salvare comunque il contratto?"
QString question(const Booking &booking);

} // namespace BookingOverlap
