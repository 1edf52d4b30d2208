#include "engine/tax/TaxRule.h"

#include <algorithm>

namespace TaxRules {

const TaxRule *ruleOn(const QList<TaxRule> &rules, const QString &comuneCode, const QDate &night)
{
    for (const TaxRule &rule : rules) {
        if (rule.comuneCode == comuneCode && rule.appliesOn(night))
            return &rule;
    }
    return nullptr;
}

bool overlap(const TaxRule &a, const TaxRule &b)
{
    if (a.comuneCode != b.comuneCode)
        return false;
    // Each starts no later than the other ends.
    const bool aStartsInTime = !b.validTo.isValid() || a.validFrom <= b.validTo;
    const bool bStartsInTime = !a.validTo.isValid() || b.validFrom <= a.validTo;
    return aStartsInTime && bStartsInTime;
}

void sort(QList<TaxRule> &rules)
{
    std::stable_sort(rules.begin(), rules.end(), [](const TaxRule &a, const TaxRule &b) {
        if (a.comuneName != b.comuneName)
            return a.comuneName < b.comuneName;
        if (a.province != b.province)
            return a.province < b.province;
        return a.validFrom < b.validFrom;
    });
}

} // namespace TaxRules
