#pragma once

#include <QString>

#include <optional>

class Record;
class RecordLayout;

// The codes the law gives a holiday home: the national identification code
// (CIN), the region's code and the apartment's id in the State Police guest
// file. They are kept in Codici_Immobili.dat beside the landlord archive,
// one record per landlord record at the same position, with a copy of that
// landlord record's fiscal code and name: when the landlord record has since
// been written over with another landlord, the copy no longer matches and
// the codes are never given for the new one.
namespace PropertyCodes {

struct Codes
{
    QString cin;           // "IT" and up to 16 letters and digits; empty for none
    QString regionalCode;  // up to 50 characters
    QString apartmentId;   // up to 6 characters

    bool isEmpty() const { return cin.isEmpty() && regionalCode.isEmpty() && apartmentId.isEmpty(); }
    bool operator==(const Codes &) const = default;
};

// The landlord record the codes of a position were saved for: copies of
// its CodFiscLoc and Locatore.
struct Owner
{
    QString fiscalCode;
    QString name;
};

// Codici_Immobili.dat's record: CodFiscLoc 16, Locatore 50, CIN 18,
// CodiceRegionale 50, IdAppartamento 6 (145 bytes).
const RecordLayout &layout();
QString filePath(const QString &programFolder);

// The CIN as it is stored, from what was typed: trimmed, a to z
// upper-cased. Empty for an empty text (no CIN); nothing for a text that
// is not "IT" followed by 1 to 16 letters A to Z and digits.
std::optional<QString> validCin(const QString &typed);

// The landlord record at `position` (from 1) of the landlord archive in the
// program folder; nothing when it cannot be read or is not there.
std::optional<Record> landlordRecord(const QString &programFolder, qint64 position);
Owner ownerOf(const Record &landlord);

enum class Link {
    None,   // nothing saved for the position
    Valid,  // saved for this landlord
    Stale,  // saved for the landlord the record held before it was written over
};

struct Stored
{
    Link link = Link::None;
    Codes codes;          // empty unless the link is valid
    Owner previousOwner;  // who they were saved for, when stale
};

// What is saved at `position` for the landlord record `owner`. Codes saved
// and later emptied count as none. Nothing when the file cannot be read (a
// fragment at its end is not a record and is never read).
std::optional<Stored> load(const QString &programFolder, qint64 position, const Owner &owner);

// Writes the codes of `position` for `owner`, under the file's lock, and
// flushes them to the disk before returning true. Positions before it that
// have none get empty records.
bool save(const QString &programFolder, qint64 position, const Owner &owner, const Codes &codes);

// The codes of the property at that address (the fields of a contract; see
// PropertyAddress): the landlord archive is read for the cards of that
// property, and the codes of the latest card whose codes are linked to it
// are given. Nothing when no card of the property has codes, when the
// address is empty or when the files cannot be read.
std::optional<Codes> findForProperty(const QString &programFolder, const QString &comuneImm, const QString &viaImm,
                                     const QString &scala, const QString &interno);

} // namespace PropertyCodes
