#include "tenants/TfrmConduttori.h"

#include "tenants/TenantCard.h"

TfrmConduttori::TfrmConduttori(QWidget *parent)
    : CardWindow(tenantCardTable(), parent)
{
}
