#include "widgets/landlords/TfrmLocatori.h"

#include "engine/text/TextRules.h"
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
    m_codesButton = new QToolButton(property);
    m_codesButton->setObjectName(QStringLiteral("btnCodiciImmobile"));
    m_codesButton->setFocusPolicy(Qt::NoFocus);
    m_codesButton->setCursor(Qt::PointingHandCursor);
    m_codesButton->setAutoRaise(true);
    m_codesButton->setIcon(Pictures::icon(Picture::PropertyCodes));
    m_codesButton->setIconSize(QSize(32, 32));
    m_codesButton->setGeometry(10, 66, 42, 42);
    setHint(m_codesButton, QStringLiteral("Codici dell'immobile: CIN, codice regionale, codice appartamento."));
    // The codes belong to a stored card.
    m_codesButton->setEnabled(false);
    connect(m_codesButton, &QToolButton::clicked, this, [this] {
        const qint64 position = storedPosition();
        if (position <= 0)
            return;
        TfrmCodiciImmobile codes(position, this);
        if (codes.load())
            codes.exec();
    });
}

qint64 TfrmLocatori::storedPosition() const
{
    const QString text = TextRules::trimmed(position());
    return TextRules::isDigitsOnly(text) ? text.toLongLong() : 0;
}

void TfrmLocatori::setPosition(const QString &position)
{
    CardWindow::setPosition(position);
    m_codesButton->setEnabled(storedPosition() > 0);
}
