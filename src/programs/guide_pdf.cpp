// vacanzio_guide_pdf <programFolder>
//
// Run by the build after the program itself: puts Guida.pdf, the printable
// guide, into the program folder, so that the guide window's PDF link opens
// a real guide in a fresh installation. A Guida.pdf already there is left
// alone. Draws with the system's fonts, so it runs as a (headless) Qt GUI
// application.

#include "engine/guide/GuideDocument.h"

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vacanzio_guide_pdf <program folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QDir::fromNativeSeparators(QString::fromLocal8Bit(argv[1]));
    switch (GuideDocument::writeIfMissing(folder)) {
    case GuideDocument::Outcome::Written:
    case GuideDocument::Outcome::AlreadyPresent:
        return 0;
    case GuideDocument::Outcome::Failed:
        break;
    }
    std::fprintf(stderr, "vacanzio_guide_pdf: cannot write %s\n",
                 qPrintable(QDir::toNativeSeparators(QDir(folder).filePath(GuideDocument::fileName()))));
    return 1;
}
