#include "engine/tax/TaxRuleChecks.h"

#include "engine/guests/PoliceCodes.h"
#include "engine/text/DateText.h"
#include "engine/text/EuroAmount.h"
#include "engine/text/TextRules.h"

#include <optional>

namespace {

constexpr int kMostNights = 999;
constexpr int kOldestAge = 120;

const QString kBreak = QStringLiteral("\n\r\n\r");

TaxRuleProblem problem(const QString &message, const char *control)
{
    return TaxRuleProblem{message, QString::fromLatin1(control)};
}

} // namespace

namespace TaxRuleChecks {

std::variant<TaxRule, TaxRuleProblem> check(const TaxRuleForm &form, const PoliceCodes &codes,
                                            const QList<TaxRule> &others)
{
    const std::optional<PolicePlace> comune = codes.place(TextRules::trimmed(form.comuneCode));
    if (!comune || comune->kind != PlaceKind::Comune)
        return problem(QStringLiteral("Attenzione: per salvare la regola è necessario scegliere il comune "
                                      "dall'elenco dei comuni."),
                       "cboComune");
    TaxRule rule;
    rule.comuneCode = comune->code;
    rule.comuneName = comune->name;
    rule.province = comune->province;

    const QString from = TextRules::trimmed(form.validFrom);
    const std::optional<QDate> fromDate = DateText::parse(from);
    if (!fromDate)
        return problem(QStringLiteral("Attenzione: per salvare la regola è necessario indicare una data valida "
                                      "di inizio validità nel formato gg/mm/aaaa."),
                       "txtDal");
    rule.validFrom = *fromDate;
    const QString to = TextRules::trimmed(form.validTo);
    if (!to.isEmpty()) {
        const std::optional<QDate> toDate = DateText::parse(to);
        if (!toDate)
            return problem(QStringLiteral("Attenzione: la data di fine validità indicata non esiste.") + kBreak
                               + QStringLiteral("Indicare una data nel formato gg/mm/aaaa, oppure lasciare la "
                                                "casella vuota per una regola senza data di fine."),
                           "txtAl");
        if (*toDate < *fromDate)
            return problem(QStringLiteral("Attenzione: la data di fine validità non può essere anteriore a "
                                          "quella di inizio."),
                           "txtAl");
        rule.validTo = *toDate;
    }

    const std::optional<qint64> rate = EuroAmount::parseCents(form.rate);
    if (!rate || *rate < 0)
        return problem(QStringLiteral("Attenzione: la tariffa deve essere un importo in euro per persona e per "
                                      "notte, ad esempio 1,50."),
                       "txtTariffa");
    rule.rateCents = *rate;
    const std::optional<int> nights = TaxRules::wholeNumber(TextRules::trimmed(form.maxNights), kMostNights);
    if (!nights)
        return problem(QStringLiteral("Attenzione: il numero massimo di notti soggette all'imposta deve essere "
                                      "un numero intero (vuoto o 0 se non c'è un limite)."),
                       "txtNottiMax");
    rule.maxNights = *nights;
    const std::optional<int> age = TaxRules::wholeNumber(TextRules::trimmed(form.exemptUnderAge), kOldestAge);
    if (!age)
        return problem(QStringLiteral("Attenzione: l'età di esenzione deve essere un numero intero di anni "
                                      "(vuoto o 0 se non è prevista)."),
                       "txtEtaEsenzione");
    rule.exemptUnderAge = *age;
    rule.residentsExempt = form.residentsExempt;

    for (const TaxRule &other : others) {
        if (TaxRules::overlap(rule, other))
            return problem(QStringLiteral("Attenzione: per il comune di %1 c'è già una regola in vigore %2.")
                                   .arg(other.comuneLabel(), other.periodText())
                               + kBreak
                               + QStringLiteral("I periodi di validità di due regole dello stesso comune non "
                                                "possono sovrapporsi: correggere le date."),
                           "txtDal");
    }
    return rule;
}

} // namespace TaxRuleChecks
