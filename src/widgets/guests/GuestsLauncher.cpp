#include "widgets/guests/GuestsLauncher.h"

#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/text/TextRules.h"
#include "widgets/guests/TfrmOspiti.h"

void openGuests(QWidget *parent, const Record &contract, qint64 position)
{
    if (position < 1)
        return;
    // The contract as the window shows it; a change not yet saved is the
    // user's to save first.
    Record stay = contract;
    for (int i = 0; i < stay.layout().fieldCount(); ++i)
        stay.setValue(i, TextRules::trimmed(stay.value(i)));
    // Held for as long as the window lives, whatever tables it loads.
    const std::shared_ptr<const PoliceCodes> codes = PoliceTableStore::codes();
    TfrmOspiti guests(*codes, parent);
    guests.setStay(stay, position);
    guests.exec();
}
