#include "engine/tax/StayTax.h"

#include "engine/text/TextRules.h"

namespace StayTax {

QString exemptionName(Exemption reason)
{
    switch (reason) {
    case Exemption::Age: return QStringLiteral("età");
    case Exemption::Residence: return QStringLiteral("residenza");
    case Exemption::OtherReason: return QStringLiteral("altro motivo");
    case Exemption::BeyondMaxNights: return QStringLiteral("oltre il massimo di notti");
    }
    return QString();
}

int NightCounts::exemptTotal() const
{
    int sum = 0;
    for (const int count : exempt)
        sum += count;
    return sum;
}

NightCounts &NightCounts::operator+=(const NightCounts &other)
{
    taxable += other.taxable;
    for (int i = 0; i < kExemptionCount; ++i)
        exempt[i] += other.exempt[i];
    withoutRule += other.withoutRule;
    amountCents += other.amountCents;
    return *this;
}

int ageOn(const QDate &birthDate, const QDate &day)
{
    int years = day.year() - birthDate.year();
    // The birthday of this year not reached yet; 29 February counts as
    // reached on 1 March.
    if (day.month() < birthDate.month() || (day.month() == birthDate.month() && day.day() < birthDate.day()))
        --years;
    return years;
}

namespace {

void addRate(QList<RatePart> &rates, qint64 rateCents)
{
    for (RatePart &part : rates) {
        if (part.rateCents == rateCents) {
            ++part.nights;
            return;
        }
    }
    rates.append({rateCents, 1});
}

GuestTax taxOf(const Guest &guest, const Stay &stay, const QList<TaxRule> &rules, const QDate &first,
               const QDate &last)
{
    GuestTax tax;
    const QString ownReason = TextRules::trimmed(guest.taxExemption);
    const int age = guest.birthDate.isValid() ? ageOn(guest.birthDate, stay.arrival) : -1;
    const int nights = stay.nights();
    for (int index = 0; index < nights; ++index) {
        const QDate night = stay.arrival.addDays(index);
        if (night < first || night > last)
            continue;
        const TaxRule *rule = TaxRules::ruleOn(rules, stay.comuneCode, night);
        if (!rule) {
            ++tax.nights.withoutRule;
            continue;
        }
        const auto exempt = [&tax](Exemption reason) { ++tax.nights.exempt[static_cast<int>(reason)]; };
        if (rule->exemptUnderAge > 0 && age >= 0 && age < rule->exemptUnderAge) {
            exempt(Exemption::Age);
        } else if (rule->residentsExempt && !guest.residence.isEmpty() && guest.residence == stay.comuneCode) {
            exempt(Exemption::Residence);
        } else if (!ownReason.isEmpty()) {
            exempt(Exemption::OtherReason);
            tax.otherReason = ownReason;
        } else if (rule->maxNights > 0 && index >= rule->maxNights) {
            exempt(Exemption::BeyondMaxNights);
        } else {
            ++tax.nights.taxable;
            tax.nights.amountCents += rule->rateCents;
            addRate(tax.rates, rule->rateCents);
        }
    }
    return tax;
}

} // namespace

Result compute(const Stay &stay, const QList<TaxRule> &rules, const QDate &first, const QDate &last)
{
    Result result;
    result.guests.reserve(stay.guests.size());
    for (const Guest &guest : stay.guests) {
        result.guests.append(taxOf(guest, stay, rules, first, last));
        result.total += result.guests.last().nights;
    }
    return result;
}

Result compute(const Stay &stay, const QList<TaxRule> &rules)
{
    const QDate lastNight = stay.departure.isValid() ? stay.departure.addDays(-1) : QDate();
    return compute(stay, rules, stay.arrival, lastNight);
}

} // namespace StayTax
