#include "engine/receipts/ReceiptAmount.h"

#include "engine/text/TextRules.h"

namespace {

// Shared by Save and by leaving the cents box. The emptiness test comes
// first, so a single blank counts as empty rather than as a digit.
void completeCents(ReceiptAmountBoxes &boxes)
{
    if (TextRules::trimmed(boxes.cents).isEmpty()) {
        boxes.cents = QStringLiteral("00");
        boxes.centLettere = boxes.cents;
    } else if (boxes.cents.size() == 1) {
        boxes.cents = TextRules::trimmed(boxes.cents) + QLatin1Char('0');
        boxes.centLettere = boxes.cents;
    }
}

} // namespace

ReceiptAmountBoxes normaliseForSave(ReceiptAmountBoxes boxes)
{
    if (TextRules::trimmed(boxes.importo).isEmpty())
        boxes.importo = QStringLiteral("0");
    // The box holds at most 2 characters, but a loaded or pasted text may not.
    if (boxes.cents.size() > 2) {
        boxes.cents.truncate(2);
        boxes.centLettere = boxes.cents;
    }
    completeCents(boxes);
    boxes.intero = TextRules::trimmed(boxes.importo) + QLatin1Char(',')
                   + TextRules::trimmed(boxes.cents);
    return boxes;
}

ReceiptAmountBoxes centsAfterFocusLoss(ReceiptAmountBoxes boxes)
{
    completeCents(boxes);
    return boxes;
}

QString centLettereAfterKeyRelease(const QString &cents)
{
    return TextRules::trimmed(cents).isEmpty() ? QString() : cents;
}
