#pragma once

#include <QString>

class CardWindow;

// The list windows the contract and receipt windows open. Each creates a
// new window owned by the caller, shows it modally and destroys it when it
// closes; what the user chooses is written straight into the caller.

// The landlord import into the contract window.
void openLandlordImport(CardWindow *contracts);
// The tenant import into the contract window (caller tag "contratti") or
// the receipt window ("ricevuta").
void openTenantImport(CardWindow *cardWindow, const QString &callerTag);
// The contracts not yet expired; a chosen one is shown in the contract
// window.
void openNonExpiredContracts(CardWindow *contracts);
