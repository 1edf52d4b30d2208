#include "engine/lists/SummaryOrder.h"

#include "engine/lists/AsciiFold.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace SummaryOrder {

int compare(QStringView a, QStringView b)
{
    const char16_t *x = a.utf16();
    const char16_t *y = b.utf16();
    const qsizetype common = std::min(a.size(), b.size());
    qsizetype i = 0;
    // Lines of a list share long beginnings (a surname, a town): skip the
    // equal part four characters at a time.
    for (; i + 4 <= common; i += 4) {
        std::uint64_t wx, wy;
        std::memcpy(&wx, x + i, sizeof wx);
        std::memcpy(&wy, y + i, sizeof wy);
        if (wx != wy)
            break;
    }
    for (; i < common; ++i) {
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
