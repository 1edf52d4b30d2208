#pragma once

#include "engine/tax/TaxRule.h"

#include <QByteArray>
#include <QList>
#include <QString>

class RecordLayout;

// The tourist tax rules, in Imposta_Soggiorno.dat in the program folder:
// one fixed-size record a rule, ShortString fields in Windows-1252 as in the
// archives, no header. The list is small and edited as a whole, so every
// save writes the whole file under a temporary name and renames it over
// the old one: a failed save leaves the old rules as they were.
namespace TaxRuleFile {

QString fileName();
const RecordLayout &layout();

struct Loaded
{
    bool readable = true;   // false: the file exists but cannot be read
    QList<TaxRule> rules;   // in file order
    int passedOver = 0;     // records that do not read as a rule
};

// The rules of `programFolder`; none when the file does not exist yet.
Loaded load(const QString &programFolder);
// Replaces the rules of `programFolder` with `rules`, in their order.
bool save(const QString &programFolder, const QList<TaxRule> &rules);

// One record's bytes and back; a record whose comune, first night or rate
// does not read gives nothing.
QByteArray encode(const TaxRule &rule);
std::optional<TaxRule> decode(const QByteArray &record);

} // namespace TaxRuleFile
