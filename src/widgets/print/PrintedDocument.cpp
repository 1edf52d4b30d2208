#include "widgets/print/PrintedDocument.h"

#include "engine/platform/Platform.h"
#include "engine/print/ContractDocument.h"
#include "engine/print/DocumentFileName.h"
#include "engine/print/LandlordCard.h"
#include "engine/print/ReceiptDocument.h"
#include "engine/print/ReceiptLogo.h"
#include "engine/print/TenantCard.h"
#include "engine/properties/PropertyCodes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

// The text of a card window's control, as shown; empty for a control the
// window lacks.
QString controlText(const QWidget *window, const QString &name)
{
    const QWidget *control = window->findChild<QWidget *>(name);
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return QString();
}

// The CIN of the contract's property, from the codes of the landlord card
// of that property; empty when it has none.
QString propertyCin(const FieldLookup &field)
{
    const std::optional<PropertyCodes::Codes> codes = PropertyCodes::findForProperty(
        platform().programFolder(), field(QStringLiteral("txtComuneImm")), field(QStringLiteral("txtViaImm")),
        field(QStringLiteral("txtScala")), field(QStringLiteral("txtInterno")));
    return codes ? codes->cin : QString();
}

const QString kCardPrintFailure = QStringLiteral(
    "Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
    "Si consiglia di controllare le impostazioni della stampante.");
const QString kCardPreviewFailure = QStringLiteral(
    "Attenzione: la visualizzazione dell'anteprima di stampa della scheda non è andata a buon fine.\n\r\n\r"
    "Si consiglia di controllare le impostazioni della stampante.");

} // namespace

namespace PrintedDocuments {

PrintedDocumentTexts texts(PrintedDocument document)
{
    switch (document) {
    case PrintedDocument::LandlordCard:
    case PrintedDocument::TenantCard:
        return {kCardPrintFailure, kCardPreviewFailure};
    case PrintedDocument::Contract:
        return {QStringLiteral("Attenzione: la stampa del contratto non è andata a buon fine.\n\r\n\r"
                               "Si consiglia di controllare le impostazioni della stampante."),
                QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa del contratto non è andata "
                               "a buon fine.\n\r\n\rSi consiglia di controllare le impostazioni della stampante.")};
    case PrintedDocument::Receipt:
        return {QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                               "Accertarsi che la stampante sia configurata correttamente."),
                QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine."
                               "\n\r\n\rAccertarsi che la stampante sia configurata correttamente.")};
    }
    return {};
}

std::optional<Report::PreparedReport> prepare(PrintedDocument document, const QWidget *cardWindow)
{
    const FieldLookup field = [cardWindow](const QString &name) { return controlText(cardWindow, name); };
    const QDateTime now = platform().now();
    Report::PageTemplate page;
    Report::FillResult filled;
    switch (document) {
    case PrintedDocument::LandlordCard:
        page = LandlordCard::pageTemplate();
        filled = LandlordCard::fill(page, field, now);
        break;
    case PrintedDocument::TenantCard:
        page = TenantCard::pageTemplate();
        filled = TenantCard::fill(page, field, now);
        break;
    case PrintedDocument::Contract:
        page = ContractDocument::pageTemplate();
        filled = ContractDocument::fill(page, field, propertyCin(field));
        break;
    case PrintedDocument::Receipt:
        page = ReceiptDocument::pageTemplate();
        filled = ReceiptDocument::fill(page, field,
                                       ReceiptLogo::load(platform().programFolder() + QStringLiteral("Logo.bmp")));
        break;
    }
    if (!filled.succeeded())
        return std::nullopt;
    return Report::prepare(page, now.date());
}

QString pdfName(PrintedDocument document, const QWidget *cardWindow)
{
    switch (document) {
    case PrintedDocument::LandlordCard:
        return DocumentFileName::pdfName(QStringLiteral("Scheda"), controlText(cardWindow, QStringLiteral("txtLocatore")));
    case PrintedDocument::TenantCard:
        return DocumentFileName::pdfName(QStringLiteral("Scheda"),
                                         controlText(cardWindow, QStringLiteral("txtConduttore")));
    case PrintedDocument::Contract:
        return DocumentFileName::pdfName(QStringLiteral("Contratto"),
                                         controlText(cardWindow, QStringLiteral("txtConduttore")));
    case PrintedDocument::Receipt:
        return DocumentFileName::pdfName(QStringLiteral("Ricevuta n."), controlText(cardWindow, QStringLiteral("txtNumRic")));
    }
    return QString();
}

} // namespace PrintedDocuments
