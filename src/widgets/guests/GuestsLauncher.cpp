#include "widgets/guests/GuestsLauncher.h"

#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/platform/Platform.h"
#include "engine/text/TextRules.h"
#include "widgets/card/CardWindow.h"
#include "widgets/guests/TfrmOspiti.h"

#include <QLabel>

void openGuests(CardWindow *contracts)
{
    const QString position = TextRules::trimmed(contracts->findChild<QLabel *>(QStringLiteral("lblPosizione"))->text());
    bool number = false;
    const qint64 k = position.toLongLong(&number);
    if (!number || k < 1)
        return;
    // The contract as the window shows it; a change not yet saved is the
    // user's to save first.
    const RecordLayout &layout = RecordLayouts::contratto();
    Record contract(layout);
    for (int i = 0; i < layout.fieldCount(); ++i)
        contract.setValue(i, TextRules::trimmed(contracts->fieldText(layout.name(i))));
    // Held for as long as the window lives, whatever tables it loads.
    const std::shared_ptr<const PoliceCodes> codes = PoliceTableStore::codes();
    TfrmOspiti guests(*codes, contracts);
    guests.setStay(contract, k);
    guests.exec();
}
