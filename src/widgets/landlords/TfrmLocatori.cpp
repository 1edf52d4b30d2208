#include "widgets/landlords/TfrmLocatori.h"

#include "widgets/app/GuideLauncher.h"
#include "widgets/export/ExportLauncher.h"
#include "widgets/landlords/AttachmentLauncher.h"
#include "widgets/landlords/LandlordCard.h"
#include "widgets/print/DocumentWindow.h"
#include "widgets/search/OpenSearch.h"

TfrmLocatori::TfrmLocatori(QWidget *parent)
    : CardWindow(landlordCardTable(), parent)
{
    DocumentWindows::provideButtons(*this, PrintedDocument::LandlordCard);
    provideAction(QStringLiteral("cmdTrova"), [this] { openSearch(this, SearchArchive::Landlords); });
    provideAction(QStringLiteral("cmdEsporta"), [this] { openExportWindow(this, ExportArchive::Locatori); });
    provideAction(QStringLiteral("cmdGuida"), [this] { showGuide(this, GuideTopic::Landlords); });
    provideAction(QStringLiteral("cmdNumerazione"), [this] { openAttachments(this, QStringLiteral("locatori")); });
}
