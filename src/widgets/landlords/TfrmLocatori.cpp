#include "widgets/landlords/TfrmLocatori.h"

#include "widgets/app/GuideLauncher.h"
#include "widgets/export/ExportLauncher.h"
#include "widgets/landlords/AttachmentLauncher.h"
#include "widgets/landlords/LandlordCard.h"
#include "widgets/platform/Pictures.h"
#include "widgets/print/DocumentWindow.h"
#include "widgets/properties/TfrmCodiciImmobile.h"
#include "widgets/search/OpenSearch.h"

#include <QToolButton>

TfrmLocatori::TfrmLocatori(QWidget *parent)
    : CardWindow(landlordCardTable(), parent)
{
    DocumentWindows::provideButtons(*this, PrintedDocument::LandlordCard);
    provideAction(QStringLiteral("cmdTrova"), [this] { openSearch(this, SearchArchive::Landlords); });
    provideAction(QStringLiteral("cmdEsporta"), [this] { openExportWindow(this, ExportArchive::Locatori); });
    provideAction(QStringLiteral("cmdGuida"), [this] { showGuide(this, GuideTopic::Landlords); });
    provideAction(QStringLiteral("cmdNumerazione"), [this] { openAttachments(this, QStringLiteral("locatori")); });
    buildCodesButton();
}

void TfrmLocatori::buildCodesButton()
{
    // Under the house of the property section, left of its second row,
    // where no field lies.
    auto *property = findChild<QWidget *>(QStringLiteral("bkgLocatoreCalce"));
    auto *codes = new QToolButton(property);
    codes->setObjectName(QStringLiteral("btnCodiciImmobile"));
    codes->setFocusPolicy(Qt::NoFocus);
    codes->setCursor(Qt::PointingHandCursor);
    codes->setAutoRaise(true);
    codes->setIcon(Pictures::icon(Picture::PropertyCodes));
    codes->setIconSize(QSize(32, 32));
    codes->setGeometry(10, 66, 42, 42);
    setHint(codes, QStringLiteral("Codici dell'immobile: CIN, codice regionale, codice appartamento."));
    // The codes belong to a stored card.
    addStoredCardButton(codes, [this] {
        TfrmCodiciImmobile window(storedPosition(), this);
        if (window.load())
            window.exec();
    });
}
