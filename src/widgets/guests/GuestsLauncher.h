#pragma once

class CardWindow;

// Opens the guests window for the contract the contract window shows (it
// must be stored).
void openGuests(CardWindow *contracts);
