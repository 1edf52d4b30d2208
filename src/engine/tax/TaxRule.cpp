#include "engine/tax/TaxRule.h"

#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <algorithm>

QString TaxRule::periodText() const
{
    return validTo.isValid()
        ? QStringLiteral("dal %1 al %2").arg(DateText::format(validFrom), DateText::format(validTo))
        : QStringLiteral("dal %1 senza data di fine").arg(DateText::format(validFrom));
}

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

QString optionalNumber(int value)
{
    return value > 0 ? QString::number(value) : QString();
}

std::optional<int> wholeNumber(const QString &text, int most)
{
    if (text.isEmpty())
        return 0;
    if (!TextRules::isDigitsOnly(text) || text.size() > 4 || text.toInt() > most)
        return std::nullopt;
    return text.toInt();
}

} // namespace TaxRules
