#include "engine/lists/AsciiFold.h"

namespace AsciiFold {

bool contains(QStringView text, QStringView lowered)
{
    const qsizetype needle = lowered.size();
    if (needle == 0 || needle > text.size())
        return false;
    const char16_t first = lowered.at(0).unicode();
    const qsizetype lastStart = text.size() - needle;
    for (qsizetype start = 0; start <= lastStart; ++start) {
        if (lower(text.at(start).unicode()) != first)
            continue;
        qsizetype i = 1;
        while (i < needle && lower(text.at(start + i).unicode()) == lowered.at(i).unicode())
            ++i;
        if (i == needle)
            return true;
    }
    return false;
}

} // namespace AsciiFold
