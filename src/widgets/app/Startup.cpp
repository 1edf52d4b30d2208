#include "widgets/app/Startup.h"

#include "engine/backup/AutomaticCopies.h"
#include "engine/backup/DataFiles.h"
#include "engine/platform/ProgramFolder.h"
#include "engine/text/ProgramFormats.h"
#include "widgets/app/CommandLine.h"
#include "widgets/app/FirstPaintExit.h"
#include "widgets/app/ProgramWindows.h"
#include "widgets/app/TfrmPassword.h"
#include "widgets/platform/QtPlatform.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>

namespace {

// Said on standard error too: a program started from a terminal or a
// script has its answer there.
void refuse(const QString &message)
{
    std::fprintf(stderr, "vacanzio: %s\n", qPrintable(QtPlatform::displayText(message)));
    platform().showMessage(MessageKind::Error, message);
}

} // namespace

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

    const CommandLine line = CommandLine::parse(QApplication::arguments());
    if (!line.error.isEmpty()) {
        refuse(line.error);
        return 2;
    }
    const QString executableFolder = QApplication::applicationDirPath();
    const ProgramFolder::Choice folder = ProgramFolder::choose(
        {line.folder, executableFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)});
    const QString problem = ProgramFolder::prepare(folder);
    if (!problem.isEmpty()) {
        refuse(problem);
        return 1;
    }
    qtPlatform.setProgramFolder(folder.folder);
    qtPlatform.setDocumentationFolder(ProgramFolder::documentationFolder(executableFolder));

    const DataFiles::Snapshot atStart = DataFiles::snapshot(folder.folder);
    int result = 0;
    {
        ProgramWindows windows;
        if (line.startupTrial)
            exitAfterFirstPaint(windows.frmPassword());
        windows.start();
        result = application.exec();
    }
    if (AutomaticCopies::takeIfChanged(folder.folder, atStart, platform().now()) == AutomaticCopies::Outcome::Failed)
        refuse(QStringLiteral("Attenzione: non è stato possibile salvare la copia automatica dei dati nella "
                              "cartella ") + AutomaticCopies::folderName() + QStringLiteral("."));
    return result;
}

} // namespace Startup
