#include "engine/lists/FindWalk.h"

#include "engine/lists/AsciiFold.h"
#include "engine/lists/SummaryLines.h"
#include "engine/text/TextRules.h"

#include <QHash>

namespace FindWalk {

qsizetype next(const SummaryLines &lines, qsizetype selected, const QString &typed, QString &remembered)
{
    const qsizetype count = lines.size();
    if (count == 0)
        return -1;
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString text = TextRules::lowerAscii(typed);
    // A new text starts at the top; the same text goes on after the
    // selected line, which is tested last.
    const qsizetype start = text == remembered ? selected + 1 : 0;
    remembered = text;
    for (qsizetype step = 0; step < count; ++step) {
        const qsizetype row = (start + step) % count;
        if (AsciiFold::contains(lines.line(row), text))
            return row;
    }
    return selected;
}

QString &rememberedText(const char *windowClass)
{
    static QHash<QString, QString> texts;
    return texts[QString::fromLatin1(windowClass)];
}

} // namespace FindWalk
