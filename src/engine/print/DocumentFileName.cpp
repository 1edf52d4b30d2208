#include "engine/print/DocumentFileName.h"

#include "engine/text/TextRules.h"

namespace DocumentFileName {

QString pdfName(const QString &words, const QString &data)
{
    return safeName(words, data, QStringLiteral(".pdf"));
}

QString safeName(const QString &words, const QString &data, const QString &extension)
{
    const QString shown = TextRules::trimmed(data);
    QString name = shown.isEmpty() ? words : words + QLatin1Char(' ') + shown;
    for (QChar &c : name) {
        // Separators, the characters Windows refuses and control codes.
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    // A name of dots alone would name a folder.
    if (name.startsWith(QLatin1Char('.')))
        name[0] = QLatin1Char('_');
    return name + extension;
}

} // namespace DocumentFileName
