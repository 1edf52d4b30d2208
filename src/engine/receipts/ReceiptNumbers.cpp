#include "engine/receipts/ReceiptNumbers.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/archive/ShortStringField.h"
#include "engine/text/TextRules.h"

namespace {

// A number as the record keeps it: trimmed and cut to its field. Digits
// alone lose their leading zeros.
QString comparable(const QString &number, int capacity)
{
    const QString stored = ShortStringField::load(ShortStringField::store(number, capacity).constData(), capacity);
    if (!TextRules::isDigitsOnly(stored))
        return stored;
    qsizetype firstDigit = 0;
    while (firstDigit < stored.size() - 1 && stored.at(firstDigit) == QLatin1Char('0'))
        ++firstDigit;
    return stored.mid(firstDigit);
}

} // namespace

namespace ReceiptNumbers {

std::optional<UsedBy> findUsed(const ArchiveFile &archive, const QString &number, qint64 ownPosition)
{
    const RecordLayout &layout = RecordLayouts::ricevuta();
    const int field = layout.indexOf(QStringLiteral("NumRic"));
    const int capacity = layout.capacity(field);
    const QString wanted = comparable(number, capacity);
    if (wanted.isEmpty())
        return std::nullopt;
    std::optional<UsedBy> found;
    archive.scan([&](qint64 k, const QByteArray &bytes) {
        if (k == ownPosition)
            return true;
        const QString stored = ShortStringField::load(bytes.constData() + layout.offset(field), capacity);
        if (comparable(stored, capacity) != wanted)
            return true;
        const Record record = Record::decode(layout, bytes);
        found = UsedBy{k, record.value(QStringLiteral("Pagatore01")), record.value(QStringLiteral("Data"))};
        return false;
    });
    return found;
}

QString duplicateQuestion(const QString &number, const UsedBy &usedBy)
{
    return QStringLiteral("Attenzione: il numero %1 è già stato usato dalla ricevuta di %2 del %3.\n\n"
                          "Salvare comunque la ricevuta?")
        .arg(TextRules::trimmed(number), usedBy.payer, usedBy.date);
}

} // namespace ReceiptNumbers
