#include "widgets/landlords/AttachmentLauncher.h"

#include "engine/text/TextRules.h"
#include "widgets/card/CardWindow.h"
#include "widgets/landlords/TfrmAllegaCartella.h"

void openAttachments(CardWindow *card, const QString &callerTag)
{
    TfrmAllegaCartella window(card);
    window.setCallerTag(callerTag);
    for (int slot = 1; slot <= TfrmAllegaCartella::SlotCount; ++slot) {
        const QString n = QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
        window.setSlot(slot, TextRules::trimmed(card->fieldText(QStringLiteral("File") + n)),
                       TextRules::trimmed(card->fieldText(QStringLiteral("Desc") + n)));
    }
    window.exec();
}
