#pragma once

#include <QtGlobal>

#include <functional>

// Told how far a long export step has gone: `done` of `total` units (records
// read or rows written). Called now and then, not for every unit, and a last
// time with done == total.
using ExportProgress = std::function<void(qint64 done, qint64 total)>;
