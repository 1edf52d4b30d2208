#include "widgets/tenants/TfrmConduttori.h"

#include "widgets/print/DocumentWindow.h"
#include "widgets/tenants/TenantCard.h"

TfrmConduttori::TfrmConduttori(QWidget *parent)
    : CardWindow(tenantCardTable(), parent)
{
    DocumentWindows::provideButtons(*this, PrintedDocument::TenantCard);
}
