#include "engine/lists/SummaryOrder.h"

#include "engine/lists/AsciiFold.h"

#include <algorithm>

namespace SummaryOrder {

int compare(QStringView a, QStringView b)
{
    const char16_t *x = a.utf16();
    const char16_t *y = b.utf16();
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        // Most characters are equal: fold only where they differ.
        if (x[i] == y[i])
            continue;
        const int upperX = AsciiFold::upper(x[i]);
        const int upperY = AsciiFold::upper(y[i]);
        if (upperX != upperY)
            return upperX - upperY;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace SummaryOrder
