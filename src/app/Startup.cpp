#include "app/Startup.h"

#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "landlords/TfrmLocatori.h"

#include <QApplication>
#include <QLocale>

namespace Startup {

void setProcessFormats()
{
    // Italian formats: the comma as decimal separator. Dates are always
    // written and read with the explicit pattern dd/MM/yyyy (DateText).
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

int run(QApplication &application)
{
    setProcessFormats();
    QApplication::setApplicationName(QStringLiteral("Vacanzio"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The home window decides when the program ends; hidden windows and
    // closed modules never do.
    application.setQuitOnLastWindowClosed(false);

    // The windows that live for the whole run, in their order of creation.
    TfrmPassword frmPassword;
    TfrmCambiaPassword frmCambiaPassword;
    TfrmAvvio frmAvvio;
    TfrmLocatori frmLocatori;

    frmPassword.setHomeWindow(&frmAvvio);
    frmPassword.setChangePasswordWindow(&frmCambiaPassword);
    frmCambiaPassword.setSignInWindow(&frmPassword);
    frmLocatori.setHomeWindow(&frmAvvio);
    frmAvvio.setModuleWindow(1, &frmLocatori);

    frmPassword.show();
    return application.exec();
}

} // namespace Startup
