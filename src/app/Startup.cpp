#include "app/Startup.h"

#include <QApplication>

namespace Startup {
int run(QApplication &application)
{
    return application.exec();
}
}
