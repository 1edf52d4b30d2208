#include "engine/backup/DataFiles.h"

#include "engine/archive/RecordLayouts.h"
#include "engine/attachments/AttachmentFolder.h"
#include "engine/guests/GuestArchive.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/password/PasswordStore.h"
#include "engine/properties/PropertyCodes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

struct CompiledRule
{
    DataFiles::Rule rule;
    QRegularExpression expression;
};

QList<CompiledRule> compile(const QList<DataFiles::Rule> &rules)
{
    QList<CompiledRule> compiled;
    for (const DataFiles::Rule &rule : rules)
        compiled.append({rule, QRegularExpression::fromWildcard(rule.pattern, Qt::CaseSensitive)});
    return compiled;
}

const QList<CompiledRule> &compiledRules()
{
    static const QList<CompiledRule> compiled = compile(DataFiles::rules());
    return compiled;
}

bool isPlainRelativePath(const QString &path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char('\\'))
        || path.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

} // namespace

namespace DataFiles {

const QList<Rule> &rules()
{
    static const QList<Rule> list = {
        // The archives of fixed-size records.
        {RecordLayouts::locatore().archiveName(), &RecordLayouts::locatore()},
        {RecordLayouts::conduttore().archiveName(), &RecordLayouts::conduttore()},
        {RecordLayouts::contratto().archiveName(), &RecordLayouts::contratto()},
        {GuestArchive::fileName(), &GuestArchive::layout()},
        // The property codes, one record per landlord record; before "*.dat",
        // which would take it for a plain file.
        {PropertyCodes::layout().archiveName(), &PropertyCodes::layout()},
        // One receipt archive a year, named after it.
        {QStringLiteral("*.ric"), &RecordLayouts::ricevuta()},
        // The password and the settings (Rovoziv.ini, Ricevute_Generiche.ini
        // and any settings file to come), the program's other data files.
        {PasswordStore::fileName(), nullptr},
        {QStringLiteral("*.ini"), nullptr},
        {QStringLiteral("*.dat"), nullptr},
        // The receipts' logo.
        {QStringLiteral("Logo.bmp"), nullptr},
        // The files attached to the cards, and the police code tables the
        // user loaded.
        {AttachmentFolder::folderName() + QStringLiteral("/*"), nullptr},
        {PoliceTableStore::folderName() + QStringLiteral("/*"), nullptr},
    };
    return list;
}

const QStringList &folders()
{
    static const QStringList list = [] {
        QStringList found;
        for (const Rule &rule : rules()) {
            const qsizetype slash = rule.pattern.lastIndexOf(QLatin1Char('/'));
            if (slash > 0 && !found.contains(rule.pattern.left(slash)))
                found.append(rule.pattern.left(slash));
        }
        return found;
    }();
    return list;
}

const Rule *ruleFor(const QString &relativePath)
{
    if (!isPlainRelativePath(relativePath))
        return nullptr;
    for (const CompiledRule &compiled : compiledRules()) {
        if (compiled.expression.match(relativePath).hasMatch())
            return &compiled.rule;
    }
    return nullptr;
}

QStringList list(const QString &folder)
{
    const QDir root(folder);
    QStringList found;
    const auto take = [&found](const QString &prefix, const QStringList &names) {
        for (const QString &name : names) {
            const QString path = prefix + name;
            if (ruleFor(path))
                found.append(path);
        }
    };
    take(QString(), root.entryList(QDir::Files));
    for (const QString &subfolder : folders())
        take(subfolder + QLatin1Char('/'), QDir(root.filePath(subfolder)).entryList(QDir::Files));
    found.sort();
    return found;
}

Snapshot snapshot(const QString &folder)
{
    Snapshot result;
    const QDir root(folder);
    for (const QString &path : list(folder)) {
        const QFileInfo info(root.filePath(path));
        result.insert(path, {info.size(), info.lastModified().toMSecsSinceEpoch()});
    }
    return result;
}

} // namespace DataFiles
