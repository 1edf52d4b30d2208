#pragma once

#include <QString>

// The texts of the receipt's amount controls: the euro box (txtImporto), the
// cents box (txtCents), the cents label printed after the words
// (txtCentLettere) and the hidden "euros,cents" label (txtIntero).
struct ReceiptAmountBoxes
{
    QString importo;
    QString cents;
    QString centLettere;
    QString intero;

    friend bool operator==(const ReceiptAmountBoxes &, const ReceiptAmountBoxes &) = default;
};

// The amount as Save stores it, whether or not the save then goes through:
// an empty euro box means 0, the cents are made two characters ("5" means
// fifty cents), the cents label follows any change of the cents, and the
// hidden label is rebuilt as euros, "," and cents. The words are left alone.
ReceiptAmountBoxes normaliseForSave(ReceiptAmountBoxes boxes);

// The cents box and its label when the box loses the focus: an empty box
// becomes "00" and a single character gets a "0" after it. Longer texts, and
// the euro box and hidden label, stay as they are.
ReceiptAmountBoxes centsAfterFocusLoss(ReceiptAmountBoxes boxes);

// The cents label after a key release in the cents box: the box's text as
// typed, or empty when the box holds nothing but blanks.
QString centLettereAfterKeyRelease(const QString &cents);
