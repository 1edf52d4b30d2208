#pragma once

#include "engine/guests/Guest.h"
#include "engine/tax/StayTax.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class PoliceCodes;
class Record;

// A property as the reports name it and tell it from the others: the
// contract's comune, street, staircase and flat (see PropertyAddress).
struct ReportProperty
{
    QByteArray key;   // equal keys, the same property
    QString label;    // "Via Roma 1, scala A, int. 3 - RIMINI (RN)"
    QString comune;   // as the contract writes it
    QString province;
    QString comuneCode;  // the police code of the comune; empty when not found
};

// One stay of the contract archive, with what every report needs of it.
struct ReportStay
{
    qint64 position = 0;  // the contract's, from 1
    QDate arrival;
    QDate departure;
    ReportProperty property;
    QString landlord;
    QString landlordFiscalCode;  // upper case
    QString tenant;
    std::optional<qint64> rentCents;  // ImpCanone; nothing when it does not read as an amount
    QList<Guest> guests;
    // False when no list is stored for the stay: read() then puts the
    // tenant alone in `guests`, from the contract, so that the stay still
    // counts.
    bool guestsRecorded = false;

    StayTax::Stay taxStay() const { return {property.comuneCode, arrival, departure, guests}; }
};

struct ReportStayList
{
    QList<ReportStay> stays;  // in archive order
    int unreadable = 0;       // contracts passed over: dates missing or reversed
};

namespace ReportStays {

// Every stay of the contract archive of `programFolder` with its guests
// from the guests archive; a contract whose dates do not read, or that ends
// before it begins, is passed over and counted. Nothing when an archive
// cannot be read.
std::optional<ReportStayList> read(const QString &programFolder, const PoliceCodes &codes);

// The stay of a contract record as the record tells it: its dates
// (invalid when they do not read), property, landlord, tenant and rent. The
// comune's code, the position and the guests are the caller's to add.
ReportStay stayOf(const Record &contract);

// The property of a contract record: its key and label, its comune and
// province as written; the comune's code is the caller's to find.
ReportProperty propertyOf(const Record &contract);

// The nights of the stay falling between `first` and `last`, both included.
int nightsBetween(const ReportStay &stay, const QDate &first, const QDate &last);

// The notes of the reports on stays counted with the tenant alone and on
// the contracts passed over (ReportStayList::unreadable).
QString withoutGuestListNote(int stays);
QString unreadableContractsNote(int contracts);

} // namespace ReportStays
