#pragma once

#include "engine/guests/Guest.h"
#include "engine/tax/TaxRule.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

// The tourist tax of one stay, night by night and guest by guest.
//
// A stay's nights run from the day of arrival to the day before departure;
// each night is taxed by the rule of the comune in force on its date, so a
// stay across a change of rate pays each rate for its own nights. For each
// guest and night the first of these that applies decides:
//   1. no rule of the comune in force that night: not taxed ("senza regola");
//   2. the guest is younger than the rule's age on the day of arrival;
//   3. the guest resides in the comune and the rule exempts residents;
//   4. the guest is exempt for a reason of their own (Guest::taxExemption);
//   5. the night comes after the rule's most nights, counted from the first
//      night of the stay;
//   6. otherwise the night is taxed at the rule's rate.
// A guest without a birth date is never exempt by age.
namespace StayTax {

enum class Exemption { Age, Residence, OtherReason, BeyondMaxNights };
constexpr int kExemptionCount = 4;

// The Italian words for a reason: "età", "residenza", "altro motivo",
// "oltre il massimo di notti".
QString exemptionName(Exemption reason);

// Nights of guests (one guest's night counts one), by what became of them.
struct NightCounts
{
    int taxable = 0;
    std::array<int, kExemptionCount> exempt{};
    int withoutRule = 0;
    qint64 amountCents = 0;

    int exemptTotal() const;
    int all() const { return taxable + exemptTotal() + withoutRule; }
    int exemptFor(Exemption reason) const { return exempt[static_cast<int>(reason)]; }
    NightCounts &operator+=(const NightCounts &other);
};

// Nights taxed at one rate.
struct RatePart
{
    qint64 rateCents = 0;
    int nights = 0;
};

struct GuestTax
{
    NightCounts nights;
    QList<RatePart> rates;  // in the order the rates first apply
    QString otherReason;    // the guest's own reason, when it applied
};

struct Result
{
    QList<GuestTax> guests;  // one per guest, in the stay's order
    NightCounts total;
};

struct Stay
{
    QString comuneCode;  // the police code of the property's comune
    QDate arrival;
    QDate departure;
    QList<Guest> guests;

    int nights() const { return arrival.isValid() && departure.isValid() ? int(arrival.daysTo(departure)) : 0; }
};

// Every night of the stay.
Result compute(const Stay &stay, const QList<TaxRule> &rules);
// Only the nights dated from `first` to `last` (both included), as a
// return for a period counts them; the most nights are still counted from
// the stay's first night.
Result compute(const Stay &stay, const QList<TaxRule> &rules, const QDate &first, const QDate &last);

// Completed years on `day`; someone born on 29 February has a birthday on
// 1 March in the other years.
int ageOn(const QDate &birthDate, const QDate &day);

} // namespace StayTax
