#include "engine/attachments/AttachmentName.h"

#include "engine/archive/RecordLayouts.h"
#include "engine/text/Cp1252.h"
#include "engine/text/TextRules.h"

#include <QFile>

namespace {

// A file name's limit on the disk, in bytes of its encoded form.
constexpr qsizetype kMaxEncodedBytes = 255;
// An extension longer than this is taken as part of the name.
constexpr qsizetype kMaxExtension = 20;

// The most characters a card's file name field (File01 to File03, alike in
// the landlord and tenant records) holds.
int maxLength()
{
    static const int capacity = [] {
        const RecordLayout &layout = RecordLayouts::locatore();
        return layout.capacity(layout.indexOf(QStringLiteral("File01")));
    }();
    return capacity;
}

bool isHeldByTheRecord(char32_t codePoint)
{
    if (codePoint < 32 || codePoint == '/' || codePoint == '\\' || codePoint == ':')
        return false;
    return Cp1252::canEncode(codePoint);
}

bool fits(const QString &name)
{
    return name.size() <= maxLength() && QFile::encodeName(name).size() <= kMaxEncodedBytes;
}

// `base` cut until `base + tail` fits; the tail (an extension, a number)
// is kept whole.
QString fitted(QString base, const QString &tail)
{
    while (!base.isEmpty() && !fits(base + tail))
        base.chop(1);
    return TextRules::trimmed(base) + tail;
}

// The name split before its extension ("" when it has none worth keeping).
std::pair<QString, QString> splitExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || name.size() - dot > kMaxExtension + 1)
        return {name, QString()};
    return {name.left(dot), name.mid(dot)};
}

} // namespace

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

QString storable(const QString &fileName)
{
    QString name;
    const QList<uint> codePoints = fileName.toUcs4();
    for (const uint codePoint : codePoints) {
        if (isHeldByTheRecord(codePoint))
            name += QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1);
        else
            name += QLatin1Char('_');
    }
    name = TextRules::trimmed(name);
    if (!isSafe(name))
        name = QStringLiteral("_") + name;
    if (fits(name))
        return name;
    const auto [base, extension] = splitExtension(name);
    return fitted(base, extension);
}

QString numbered(const QString &name, int n)
{
    const auto [base, extension] = splitExtension(name);
    return fitted(base, QStringLiteral(" (%1)").arg(n) + extension);
}

} // namespace AttachmentName
