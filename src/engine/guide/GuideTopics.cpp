#include "engine/guide/GuideTopics.h"

#include <QFile>

// The resources of a static library are registered only when asked for
// (outside any namespace: Q_INIT_RESOURCE declares the register function).
static void registerGuideResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(guide);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

struct TopicEntry
{
    GuideTopic topic;
    const char *title;
    const char *file;
};

// The titles as the windows opening them show them.
const TopicEntry kTopics[] = {
    {GuideTopic::General, "Uno sguardo a Vacanzio", "general.txt"},
    {GuideTopic::Landlords, "App Immobili e Locatori", "landlords.txt"},
    {GuideTopic::Tenants, "App Archivio Conduttori", "tenants.txt"},
    {GuideTopic::Contracts, "App Contratti di Locazione", "contracts.txt"},
    {GuideTopic::Receipts, "App Emissione Ricevute", "receipts.txt"},
    {GuideTopic::LandlordsExport, "Esportazione archivio Locatori in Microsoft Excel", "export_landlords.txt"},
    {GuideTopic::TenantsExport, "Esportazione archivio Conduttori in Microsoft Excel", "export_tenants.txt"},
    {GuideTopic::ContractsExport, "Esportazione archivio contratti in Microsoft Excel", "export_contracts.txt"},
    {GuideTopic::ReceiptsExport, "Esportazione archivio ricevute in Microsoft Excel", "export_receipts.txt"},
};

const TopicEntry &entry(GuideTopic topic)
{
    for (const TopicEntry &candidate : kTopics) {
        if (candidate.topic == topic)
            return candidate;
    }
    Q_UNREACHABLE();
}

} // namespace

namespace GuideTopics {

QList<GuideTopic> all()
{
    QList<GuideTopic> topics;
    for (const TopicEntry &candidate : kTopics)
        topics.append(candidate.topic);
    return topics;
}

QString title(GuideTopic topic)
{
    return QString::fromUtf8(entry(topic).title);
}

QString resourcePath(GuideTopic topic)
{
    return QStringLiteral(":/guide/") + QString::fromLatin1(entry(topic).file);
}

QString text(GuideTopic topic)
{
    registerGuideResources();
    QFile file(resourcePath(topic));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString content = QString::fromUtf8(file.readAll());
    while (content.endsWith(QLatin1Char('\n')) || content.endsWith(QLatin1Char('\r')))
        content.chop(1);
    return content;
}

QStringList paragraphs(GuideTopic topic)
{
    return text(topic).split(paragraphSeparator());
}

QString paragraphSeparator()
{
    return QStringLiteral("\r\n\r\n");
}

} // namespace GuideTopics
