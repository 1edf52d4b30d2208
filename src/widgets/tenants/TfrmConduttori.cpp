#include "widgets/tenants/TfrmConduttori.h"

#include "widgets/tenants/TenantCard.h"

TfrmConduttori::TfrmConduttori(QWidget *parent)
    : CardWindow(tenantCardTable(), parent)
{
}
