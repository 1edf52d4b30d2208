#include "engine/contracts/ContractChecks.h"

#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

namespace {

enum class Rule {
    Required,        // the trimmed field must not be empty
    ExistingDate,    // the field must name a day of the calendar
    StartNotAfterEnd // the start must not come after the end
};

struct Check
{
    Rule rule;
    const char *field;
    const char *text;  // the warning, or what the date is (for a date check)
};

// In the order they run: the first that fails is the one reported.
constexpr Check kChecks[] = {
    {Rule::Required, "Locatore",
     "Attenzione: per salvare il contratto è necessario indicare cognome e nome del Locatore."},
    {Rule::Required, "Conduttore",
     "Attenzione: per salvare il contratto è necessario indicare cognome e nome del Conduttore."},
    {Rule::Required, "DurataCon",
     "Attenzione: per salvare il contratto è necessario indicare la sua durata in numero di giorni."},
    {Rule::Required, "InizioCon", "Attenzione: per salvare i dati è necessario indicare la data di inizio contratto."},
    {Rule::ExistingDate, "InizioCon", "di inizio contratto"},
    {Rule::Required, "FineCon", "Attenzione: per salvare i dati è necessario indicare la data di fine contratto."},
    {Rule::ExistingDate, "FineCon", "di fine contratto"},
    {Rule::StartNotAfterEnd, "InizioCon", nullptr},
    {Rule::Required, "ImpCanone",
     "Attenzione: per salvare il contratto è necessario indicare l'importo del canone di locazione."},
};

const QString kBreak = QStringLiteral("\n\r\n\r");

} // namespace

std::optional<ContractCheckFailure> firstFailedContractCheck(
    const std::function<QString(const QString &)> &fieldText)
{
    const auto trimmed = [&](const char *name) { return TextRules::trimmed(fieldText(QString::fromLatin1(name))); };
    for (const Check &check : kChecks) {
        const QString field = QString::fromLatin1(check.field);
        const QString value = trimmed(check.field);
        switch (check.rule) {
        case Rule::Required:
            if (value.isEmpty())
                return ContractCheckFailure{MessageKind::Warning, QString::fromUtf8(check.text), field};
            break;
        case Rule::ExistingDate:
            if (!DateText::parse(value))
                return ContractCheckFailure{
                    MessageKind::Plain,
                    QStringLiteral("Attenzione: la data ") + value + QLatin1Char(' ') + QString::fromUtf8(check.text)
                        + QStringLiteral(" non esiste.") + kBreak
                        + QStringLiteral("Per salvare il contratto in archivio è necessario indicare una data valida."),
                    field};
            break;
        case Rule::StartNotAfterEnd: {
            const QString start = trimmed("InizioCon");
            const QString end = trimmed("FineCon");
            if (*DateText::parse(start) > *DateText::parse(end))
                return ContractCheckFailure{
                    MessageKind::Plain,
                    QStringLiteral("Attenzione: la data di fine contratto (") + end
                        + QStringLiteral(") non può essere anteriore a quella di inizio contratto (") + start
                        + QStringLiteral(").") + kBreak
                        + QStringLiteral("Per poter salvare il contratto è necessario indicare un intervallo di "
                                         "tempo valido."),
                    field};
            break;
        }
        }
    }
    return std::nullopt;
}
