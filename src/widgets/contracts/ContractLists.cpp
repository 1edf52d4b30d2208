#include "widgets/contracts/ContractLists.h"

#include "widgets/card/CardWindow.h"
#include "widgets/contracts/ImportWindow.h"
#include "widgets/contracts/TfrmSospesi.h"

void openLandlordImport(CardWindow *contracts)
{
    TfrmImpLocatore window(contracts);
    window.setCallerTag(QStringLiteral("contratti"));
    window.exec();
}

void openTenantImport(CardWindow *cardWindow, const QString &callerTag)
{
    TfrmImpConduttore window(cardWindow);
    window.setCallerTag(callerTag);
    window.exec();
}

void openNonExpiredContracts(CardWindow *contracts)
{
    TfrmSospesi window(contracts);
    window.exec();
}
