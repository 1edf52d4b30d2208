#include "widgets/checks/CheckLauncher.h"

#include "engine/text/TextRules.h"
#include "widgets/checks/TfrmCodFisc.h"
#include "widgets/checks/TfrmPartitaIva.h"

namespace CheckLauncher {

void checkFiscalCode(QWidget *owner, const QString &code)
{
    const QString value = TextRules::trimmed(code);
    // An empty field still opens the fiscal code window, where the user can
    // type the code.
    if (TextRules::isDigitsOnly(value))
        TfrmPartitaIva::openWith(owner, value);
    else
        TfrmCodFisc::openWith(owner, value);
}

void checkVatNumber(QWidget *owner, const QString &number)
{
    TfrmPartitaIva::openWith(owner, TextRules::trimmed(number));
}

} // namespace CheckLauncher
