#pragma once

#include <QtGlobal>

#include <functional>

// The large lists (a hundred thousand records) are read and sorted in a few
// parts at once, one per processor, each part on a thread of its own.
namespace ParallelParts {

// At most this many parts, however many processors there are: beyond it the
// memory, not the processors, sets the pace.
constexpr int kMaximumParts = 4;

// How many parts `items` are worth splitting into: one per processor, but
// none smaller than `minimumPerPart` items, since a thread costs more than
// it saves on a small list. At least 1.
int automatic(qint64 items, qint64 minimumPerPart);

// Runs work(0) ... work(parts - 1), work(0) on the calling thread and each
// other on a thread of its own, and returns when all have ended. The first
// exception thrown (by part number) is thrown again here, once every part
// has ended.
//
// When `meanwhile` is given, the calling thread, once its own part is done,
// calls it at least every `intervalMs` milliseconds and whenever a part ends,
// until the last has ended: a window keeps answering and showing progress.
void run(int parts, const std::function<void(int part)> &work,
         const std::function<void()> &meanwhile = {}, int intervalMs = 10);

} // namespace ParallelParts
