#include "widgets/app/Startup.h"

#include "widgets/app/ProgramWindows.h"
#include "widgets/platform/QtPlatform.h"

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
    static QtPlatform qtPlatform;
    setPlatform(&qtPlatform);
    setProcessFormats();
    QApplication::setApplicationName(QStringLiteral("Vacanzio"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The home window and the sign-in window decide when the program ends;
    // a closed module window never does.
    application.setQuitOnLastWindowClosed(false);

    ProgramWindows windows;
    windows.start();
    return application.exec();
}

} // namespace Startup
