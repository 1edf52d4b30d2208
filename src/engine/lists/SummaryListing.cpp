#include "engine/lists/SummaryListing.h"

#include "engine/text/TextRules.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryLines.h"

#include <QFileInfo>

namespace {

using TextRules::trimmedView;

} // namespace

namespace SummaryListing {

ArchiveScanner::Outcome list(const ArchiveScanner &archive, const SummaryLineBuilder &builder,
                             const RecordFilter &filter, SummaryLines &lines,
                             const ArchiveScanner::Progress &progress)
{
    // Room for a line a record, so that the list of lines never grows by
    // copying while the archive is read; squeeze() gives back the room of
    // the records left out.
    lines.reserve(lines.size() + QFileInfo(archive.path()).size() / archive.recordSize());
    const ArchiveScanner::Outcome outcome = archive.scan(
        [&](qint64, const char *record) {
            switch (filter ? filter(record) : Verdict::List) {
            case Verdict::List:
                lines.append(builder, record);
                break;
            case Verdict::Skip:
                break;
            case Verdict::StopListing:
                return ArchiveScanner::Step::Stop;
            }
            return ArchiveScanner::Step::Continue;
        },
        progress);
    lines.squeeze();
    return outcome;
}

TraceResult traceBack(const ArchiveScanner &archive, const SummaryLineBuilder &builder,
                      const QString &chosen, const ArchiveScanner::Progress &progress)
{
    TraceResult result;
    const QStringView wanted = trimmedView(chosen);
    std::vector<char16_t> line(static_cast<std::size_t>(builder.maximumLength()));
    result.outcome = archive.scan(
        [&](qint64 k, const char *record) {
            const qsizetype length = builder.writeLine(record, line.data());
            if (trimmedView(QStringView(line.data(), length)) == wanted)
                result.records.push_back({k, QByteArray(record, archive.recordSize())});
            return ArchiveScanner::Step::Continue;
        },
        progress);
    return result;
}

} // namespace SummaryListing
