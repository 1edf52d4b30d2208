#pragma once

#include "engine/tax/TaxRule.h"

#include <QList>
#include <QString>

#include <variant>

class PoliceCodes;

// A rule as the rules window's form holds it: the comune chosen and the
// texts typed.
struct TaxRuleForm
{
    QString comuneCode;
    QString validFrom;
    QString validTo;
    QString rate;
    QString maxNights;
    QString exemptUnderAge;
    bool residentsExempt = false;
};

// Why a rule cannot be saved: the warning and the control to focus.
struct TaxRuleProblem
{
    QString message;
    QString focusControl;
};

namespace TaxRuleChecks {

// The rule the form describes, or the first thing wrong with it, the checks
// in the order of the form: the comune, the dates (the end may be empty,
// never before the start), the rate (an amount in euro), the most nights
// and the age (whole numbers, empty for none), and no other rule of the
// same comune in `others` in force on any of the same nights.
std::variant<TaxRule, TaxRuleProblem> check(const TaxRuleForm &form, const PoliceCodes &codes,
                                            const QList<TaxRule> &others);

} // namespace TaxRuleChecks
