#include "widgets/landlords/TfrmLocatori.h"
#include "widgets/landlords/AttachmentLauncher.h"
#include "widgets/app/GuideLauncher.h"

#include "widgets/print/DocumentWindow.h"
#include "widgets/landlords/LandlordCard.h"

TfrmLocatori::TfrmLocatori(QWidget *parent)
    : CardWindow(landlordCardTable(), parent)
{
    DocumentWindows::provideButtons(*this, PrintedDocument::LandlordCard);
    provideAction(QStringLiteral("cmdGuida"), [this] { showGuide(this, GuideTopic::Landlords); });
    provideAction(QStringLiteral("cmdNumerazione"), [this] { openAttachments(this, QStringLiteral("locatori")); });
}
