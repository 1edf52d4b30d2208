#include "widgets/checks/TfrmCodFisc.h"

#include "widgets/card/FieldInput.h"
#include "engine/text/TextRules.h"
#include "widgets/checks/EnterKeyFilter.h"
#include "engine/checks/FiscalCode.h"
#include "engine/platform/Platform.h"

#include <QLineEdit>
#include <QPushButton>

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckWindow({.objectName = QStringLiteral("frmCodFisc"),
                   .caption = QStringLiteral(" Controllo codice fiscale"),
                   .width = 478,
                   .icon = CheckHeading::Icon::FiscalCard,
                   .title = QStringLiteral("Controllo codice fiscale"),
                   .instruction = QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                   .fieldName = QStringLiteral("txtCodFisc"),
                   .maxLength = FiscalCode::Length},
                  parent)
{
    FieldInput::applyTypingRule(field(), TypingRule::TrimUpper);
    new EnterKeyFilter(field(), [this] { checkButton()->setFocus(); });
}

void TfrmCodFisc::openWith(QWidget *owner, const QString &code)
{
    TfrmCodFisc window(owner);
    window.setValue(TextRules::trimmed(code));
    window.exec();
}

void TfrmCodFisc::btnControllaClick()
{
    // A card window may hand over the code in small letters; the check
    // character is computed on the capital form.
    const QString code = valueToCheck();
    if (code.size() != FiscalCode::Length) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: il codice fiscale deve essere composto da "
                                              "16 caratteri alfanumerici."));
        returnToField();
        return;
    }
    if (FiscalCode::isValid(code))
        platform().showMessage(MessageKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        platform().showMessage(MessageKind::Warning, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    accept();
}
