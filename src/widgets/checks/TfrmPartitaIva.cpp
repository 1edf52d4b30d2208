#include "widgets/checks/TfrmPartitaIva.h"

#include "widgets/card/FieldInput.h"
#include "engine/text/TextRules.h"
#include "engine/checks/VatNumber.h"
#include "engine/platform/Platform.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

QString validMessage(const std::optional<QString> &officeName)
{
    const QString validLead = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");
    // Codes missing from the office table (000, 890, ...) still belong to
    // valid numbers; say so rather than naming an empty office.
    if (!officeName)
        return validLead + QStringLiteral("L'Ufficio IVA che lo ha rilasciato non è presente nella tabella "
                                          "degli uffici conosciuti dal programma.");
    return validLead + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + *officeName
           + QLatin1Char('.');
}

} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckWindow({.objectName = QStringLiteral("frmPartitaIva"),
                   .caption = QStringLiteral(" Controllo partita IVA"),
                   .width = 480,
                   .icon = CheckHeading::Icon::Emblem,
                   .title = QStringLiteral("Controllo partita IVA"),
                   .instruction = QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                   .fieldName = QStringLiteral("txtPartitaIva"),
                   .maxLength = VatNumber::Length},
                  parent)
{
    // The filter also swallows Enter, so the dialog never sees it as a click
    // of its default button.
    new DigitOnlyKeyFilter(field(), [this] { checkButton()->setFocus(); });
}

void TfrmPartitaIva::openWith(QWidget *owner, const QString &number)
{
    TfrmPartitaIva window(owner);
    window.setValue(TextRules::trimmed(number));
    window.exec();
}

void TfrmPartitaIva::btnControllaClick()
{
    const QString number = valueToCheck();
    if (number.size() != VatNumber::Length) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: la partita IVA deve essere composta da "
                                              "11 caratteri numerici."));
        returnToField();
        return;
    }
    if (VatNumber::isValid(number)) {
        platform().showMessage(MessageKind::Information,
                               validMessage(VatNumber::officeName(VatNumber::officeCode(number))));
    } else {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                              "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                              "che lo ha rilasciato."));
    }
    accept();
}
