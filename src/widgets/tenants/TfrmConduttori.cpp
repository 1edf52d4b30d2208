#include "widgets/tenants/TfrmConduttori.h"

#include "widgets/app/GuideLauncher.h"
#include "widgets/export/ExportLauncher.h"
#include "widgets/landlords/AttachmentLauncher.h"
#include "widgets/print/DocumentWindow.h"
#include "widgets/search/OpenSearch.h"
#include "widgets/tenants/TenantCard.h"

TfrmConduttori::TfrmConduttori(QWidget *parent)
    : CardWindow(tenantCardTable(), parent)
{
    DocumentWindows::provideButtons(*this, PrintedDocument::TenantCard);
    provideAction(QStringLiteral("cmdTrova"), [this] { openSearch(this, SearchArchive::Tenants); });
    provideAction(QStringLiteral("cmdEsporta"), [this] { openExportWindow(this, ExportArchive::Conduttori); });
    provideAction(QStringLiteral("cmdGuida"), [this] { showGuide(this, GuideTopic::Tenants); });
    provideAction(QStringLiteral("cmdNumerazione"), [this] { openAttachments(this, QStringLiteral("conduttori")); });
}
