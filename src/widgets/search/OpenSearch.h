#pragma once

#include "engine/lists/SearchArchives.h"

class CardWindow;

// The Trova button of a card window: a new search window over `which`,
// owned by the card window, with the card's caller tag, shown modally and
// destroyed when it closes. A line chosen in it is loaded into the card.
void openSearch(CardWindow *card, SearchArchive which);
