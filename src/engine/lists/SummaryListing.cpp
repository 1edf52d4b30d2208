#include "engine/lists/SummaryListing.h"

#include "engine/text/TextRules.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryLines.h"
#include "engine/lists/ParallelParts.h"

#include <QFileInfo>

namespace {

using TextRules::trimmedView;

} // namespace

namespace SummaryListing {

ArchiveScanner::Outcome list(const ArchiveScanner &archive, const SummaryLineBuilder &builder,
                             const RecordFilter &filter, SummaryLines &lines,
                             const ArchiveScanner::Progress &progress, int parts)
{
    const qint64 records = QFileInfo(archive.path()).size() / archive.recordSize();
    if (parts <= 0)
        parts = ParallelParts::automatic(records, kMinimumRecordsPerPart);
    // Each part fills lines of its own, joined in archive order at the end.
    std::vector<SummaryLines> partLines(static_cast<std::size_t>(parts - 1));
    const auto target = [&](int part) -> SummaryLines & {
        return part == 0 ? lines : partLines[static_cast<std::size_t>(part - 1)];
    };
    const int recordSize = archive.recordSize();
    const std::vector<ArchiveScanner::Outcome> outcomes = archive.scanInParts(
        parts,
        [&](int part) -> ArchiveScanner::Visitor {
            // Room for every record's longest line, so that the part's text
            // is one block: pages never written are never taken from the
            // system.
            SummaryLines &into = target(part);
            const qint64 share = records * (part + 1) / parts - records * part / parts;
            into.reserve(into.size() + share, into.characterCount() + share * builder.maximumLength());
            return [&builder, &filter, &into, recordSize](qint64, const char *record) {
                // The next record's fields start loading while this one's
                // line is built.
                builder.prefetch(record + 2 * recordSize);
                switch (filter ? filter(record) : Verdict::List) {
                case Verdict::List:
                    into.append(builder, record);
                    break;
                case Verdict::Skip:
                    break;
                case Verdict::StopListing:
                    return ArchiveScanner::Step::Stop;
                }
                return ArchiveScanner::Step::Continue;
            };
        },
        progress);

    // As a reading in one go: the lines up to the first part that did not
    // complete, and that part's outcome.
    ArchiveScanner::Outcome outcome = ArchiveScanner::Outcome::Completed;
    for (int part = 0; part < parts; ++part) {
        if (part > 0)
            lines.append(std::move(target(part)));
        outcome = outcomes[static_cast<std::size_t>(part)];
        if (outcome != ArchiveScanner::Outcome::Completed)
            break;
    }
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
