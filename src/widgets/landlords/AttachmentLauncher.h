#pragma once

#include <QString>

class CardWindow;

// How the landlord and tenant windows open the attachments window: created
// for one use with the card as owner, its caller tag set ("locatori" or
// "conduttori"), its six fields filled with the trimmed texts of the card's
// hidden labels lblFile01, lblDesc01, ... lblDesc03, shown modally and
// destroyed. On "Applica e chiudi" the window writes the six values back
// into the card window the tag names; they reach the archive at the next
// Save.
void openAttachments(CardWindow *card, const QString &callerTag);
