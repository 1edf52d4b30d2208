#pragma once

#include "engine/archive/ArchiveScanner.h"

#include <QByteArray>

#include <functional>
#include <vector>

class SummaryLineBuilder;
class SummaryLines;

// Filling a list window from its archive, and finding a chosen line's
// records again.
namespace SummaryListing {

// What a list does with a record.
enum class Verdict { List, Skip, StopListing };
// Judges a record from its bytes.
using RecordFilter = std::function<Verdict(const char *record)>;

// Adds the line of every record the filter lists, in archive order, to
// `lines`. A record judged StopListing ends the listing there (Stopped);
// the lines added before a failure or a cancel stay.
ArchiveScanner::Outcome list(const ArchiveScanner &archive, const SummaryLineBuilder &builder,
                             const RecordFilter &filter, SummaryLines &lines,
                             const ArchiveScanner::Progress &progress = {});

// A record whose rebuilt line is the chosen one.
struct TracedRecord
{
    qint64 number;      // from 1
    QByteArray bytes;
};

struct TraceResult
{
    ArchiveScanner::Outcome outcome;
    // In archive order: the last is the one that stays on screen. Those
    // found before a failure are kept.
    std::vector<TracedRecord> records;
};

// Every record whose rebuilt line, trimmed, equals `chosen`, trimmed (letter
// case included). The whole archive is read: several records can give the
// same line.
TraceResult traceBack(const ArchiveScanner &archive, const SummaryLineBuilder &builder,
                      const QString &chosen, const ArchiveScanner::Progress &progress = {});

} // namespace SummaryListing
