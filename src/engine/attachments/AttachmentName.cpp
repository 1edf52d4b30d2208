#include "engine/attachments/AttachmentName.h"

namespace AttachmentName {

bool isSafe(const QString &name)
{
    if (name.isEmpty())
        return false;
    bool onlyDots = true;
    for (const QChar ch : name) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch == QLatin1Char(':') || ch.unicode() < 32)
            return false;
        if (ch != QLatin1Char('.'))
            onlyDots = false;
    }
    return !onlyDots;
}

} // namespace AttachmentName
