// The yardstick of the start-up benchmark: a bare Qt Widgets window with one
// line of text, ended as soon as it is first painted, exactly as
// `vacanzio --prova-avvio` ends.
#include "widgets/app/FirstPaintExit.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Vacanzio"));
    exitAfterFirstPaint(&window);
    window.show();
    return application.exec();
}
