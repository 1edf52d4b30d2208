#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// One rule of a comune's tourist tax: what a guest pays for each night
// spent there between two dates, and who does not pay. Comuni change their
// rates from year to year, so a comune has one rule per period; a night is
// taxed by the rule in force on its date (the night of 31 December belongs
// to 31 December).
struct TaxRule
{
    QString comuneCode;       // the comune's police code (the code tables')
    QString comuneName;       // "RIMINI", as the tables write it
    QString province;         // "RN"
    QDate validFrom;          // the first night the rule applies to
    QDate validTo;            // the last one; invalid: until further notice
    qint64 rateCents = 0;     // per guest and night
    int maxNights = 0;        // nights taxed per stay at most; 0: all
    int exemptUnderAge = 0;   // guests younger than this pay nothing; 0: none
    bool residentsExempt = false;  // the comune's own residents pay nothing

    bool appliesOn(const QDate &night) const
    {
        return night >= validFrom && (!validTo.isValid() || night <= validTo);
    }
    // "RIMINI (RN)".
    QString comuneLabel() const { return QStringLiteral("%1 (%2)").arg(comuneName, province); }
    // "dal 01/01/2026 al 31/12/2026", "dal 01/01/2026 senza data di fine".
    QString periodText() const;

    bool operator==(const TaxRule &) const = default;
};

namespace TaxRules {

// The rule of `comuneCode` in force on `night`; nullptr when there is none.
const TaxRule *ruleOn(const QList<TaxRule> &rules, const QString &comuneCode, const QDate &night);

// Whether two rules of the same comune are in force on a common night.
bool overlap(const TaxRule &a, const TaxRule &b);

// The rules ordered as they are listed: by comune, then by first night.
void sort(QList<TaxRule> &rules);

// The most nights and the age of exemption, as the form and the file both
// write them: empty for none (0), else digits, at most four and `most`.
QString optionalNumber(int value);
std::optional<int> wholeNumber(const QString &text, int most);

} // namespace TaxRules
