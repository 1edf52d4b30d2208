#include "engine/tax/TaxRuleFile.h"

#include "engine/archive/RecordLayout.h"
#include "engine/diagnostics/Logging.h"
#include "engine/files/WholeFile.h"
#include "engine/text/DateText.h"
#include "engine/text/EuroAmount.h"
#include "engine/text/TextRules.h"

#include <QDir>
#include <QFile>

namespace {

enum Field { Code, Name, Province, From, To, Rate, MaxNights, Age, Residents };

// The fields hold three digits at most.
constexpr int kMostInField = 999;

} // namespace

namespace TaxRuleFile {

QString fileName()
{
    return QStringLiteral("Imposta_Soggiorno.dat");
}

const RecordLayout &layout()
{
    static const RecordLayout rules(fileName(), {
        {"CodiceComune", 9},
        {"Comune", 50},
        {"Provincia", 2},
        {"ValidaDal", 10},
        {"ValidaAl", 10},
        {"Tariffa", 11},
        {"NottiMax", 3},
        {"EtaEsenzione", 3},
        {"EsentiResidenti", 1},
    });
    return rules;
}

QByteArray encode(const TaxRule &rule)
{
    QStringList texts(layout().fieldCount());
    texts[Code] = rule.comuneCode;
    texts[Name] = rule.comuneName;
    texts[Province] = rule.province;
    texts[From] = DateText::format(rule.validFrom);
    texts[To] = rule.validTo.isValid() ? DateText::format(rule.validTo) : QString();
    texts[Rate] = EuroAmount::format(rule.rateCents);
    texts[MaxNights] = TaxRules::optionalNumber(rule.maxNights);
    texts[Age] = TaxRules::optionalNumber(rule.exemptUnderAge);
    texts[Residents] = rule.residentsExempt ? QStringLiteral("S") : QStringLiteral("N");
    return layout().encode(texts);
}

std::optional<TaxRule> decode(const QByteArray &record)
{
    const QStringList texts = layout().decode(record);
    TaxRule rule;
    rule.comuneCode = texts.at(Code);
    rule.comuneName = texts.at(Name);
    rule.province = texts.at(Province);
    const std::optional<QDate> from = DateText::parse(texts.at(From));
    const std::optional<QDate> to = DateText::parse(texts.at(To));
    const std::optional<qint64> rate = EuroAmount::parseCents(texts.at(Rate));
    const std::optional<int> maxNights = TaxRules::wholeNumber(texts.at(MaxNights), kMostInField);
    const std::optional<int> age = TaxRules::wholeNumber(texts.at(Age), kMostInField);
    if (rule.comuneCode.isEmpty() || !from || (!texts.at(To).isEmpty() && !to) || !rate || *rate < 0
        || !maxNights || !age)
        return std::nullopt;
    rule.validFrom = *from;
    rule.validTo = to.value_or(QDate());
    rule.rateCents = *rate;
    rule.maxNights = *maxNights;
    rule.exemptUnderAge = *age;
    rule.residentsExempt = TextRules::equalsIgnoringAsciiCase(texts.at(Residents), QStringLiteral("S"));
    return rule;
}

Loaded load(const QString &programFolder)
{
    Loaded result;
    QFile file(QDir(programFolder).filePath(fileName()));
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcFiles) << "cannot read the tourist tax rules" << file.fileName() << ":" << file.errorString();
        result.readable = false;
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcFiles) << "cannot read the tourist tax rules" << file.fileName() << ":" << file.errorString();
        result.readable = false;
        return result;
    }
    const int size = layout().recordSize();
    // A trailing fragment shorter than a record is never read.
    for (qsizetype at = 0; at + size <= bytes.size(); at += size) {
        if (const std::optional<TaxRule> rule = decode(bytes.mid(at, size)))
            result.rules.append(*rule);
        else
            ++result.passedOver;
    }
    if (result.passedOver > 0)
        qCWarning(lcFiles) << result.passedOver << "records of" << file.fileName() << "do not read as rules";
    return result;
}

bool save(const QString &programFolder, const QList<TaxRule> &rules)
{
    QByteArray bytes;
    bytes.reserve(rules.size() * layout().recordSize());
    for (const TaxRule &rule : rules)
        bytes += encode(rule);
    return WholeFile::write(QDir(programFolder).filePath(fileName()), bytes);
}

} // namespace TaxRuleFile
