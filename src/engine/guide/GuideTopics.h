#pragma once

#include <QList>
#include <QString>

// The topics of the built-in guide, one for each window with a guide
// button: the home window's general topic, each module's and each export
// window's. (The receipt window and the receipt year window share theirs.)
enum class GuideTopic {
    General,
    Landlords,
    Tenants,
    Contracts,
    Receipts,
    LandlordsExport,
    TenantsExport,
    ContractsExport,
    ReceiptsExport,
};

// The topics' titles and texts. Each text is a data file of the program's
// resources (src/engine/guide/topics), a sequence of paragraphs separated by
// an empty line written as CR LF CR LF, so that the help can be reworded
// without touching the code.
namespace GuideTopics {

// Every topic, in the order of the guide: the general one first.
QList<GuideTopic> all();
// The title shown above the text, e.g. "Uno sguardo a Vacanzio".
QString title(GuideTopic topic);
// The resource holding the topic's text (":/guide/...").
QString resourcePath(GuideTopic topic);
// The topic's text: the resource as it is, without the line break an
// editor may leave at its end; empty when the resource is missing.
QString text(GuideTopic topic);
// The text cut into its paragraphs.
QStringList paragraphs(GuideTopic topic);
// What separates two paragraphs.
QString paragraphSeparator();

} // namespace GuideTopics
