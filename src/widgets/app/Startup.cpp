#include "widgets/app/Startup.h"

#include "engine/text/ProgramFormats.h"
#include "widgets/app/ProgramWindows.h"
#include "widgets/platform/QtPlatform.h"

#include <QApplication>

namespace Startup {

void setProcessFormats()
{
    ProgramFormats::install();
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
