#pragma once

#include <QStringView>

// The order of a sorted list: by the whole line, character by character, the
// letters a to z counting as A to Z and every other character (accented
// letters included) by its code; a line that begins a longer one comes
// first.
namespace SummaryOrder {

// Negative when `a` comes first, positive when `b` does, 0 when they
// compare equal.
int compare(QStringView a, QStringView b);
inline bool less(QStringView a, QStringView b) { return compare(a, b) < 0; }

} // namespace SummaryOrder
