#include "widgets/export/ExportLauncher.h"

#include "engine/export/ExportMessages.h"
#include "engine/platform/Platform.h"
#include "widgets/export/ExportWindows.h"

#include <QLabel>

std::unique_ptr<ExportWindow> createExportWindow(ExportArchive which, QWidget *owner)
{
    switch (which) {
    case ExportArchive::Locatori: return std::make_unique<TfrmExpLocatori>(owner);
    case ExportArchive::Conduttori: return std::make_unique<TfrmExpConduttori>(owner);
    case ExportArchive::Contratti: return std::make_unique<TfrmExpContratti>(owner);
    case ExportArchive::Ricevute: return std::make_unique<TfrmExpRic>(owner);
    }
    Q_UNREACHABLE();
}

void openExportWindow(QWidget *cardWindow, ExportArchive which)
{
    const std::unique_ptr<ExportWindow> window = createExportWindow(which, cardWindow);
    if (which == ExportArchive::Ricevute) {
        const auto *file = cardWindow ? cardWindow->findChild<QLabel *>(QStringLiteral("lblFile")) : nullptr;
        // Without a year there is nothing to read: the grid stays empty.
        window->setArchivePath(file ? file->text() : QString());
    }
    window->exec();
}

void offerWrittenFile(const QString &path, bool written)
{
    if (!written) {
        platform().showMessage(MessageKind::Plain, ExportMessages::exportFailed());
        return;
    }
    if (platform().askYesNo(ExportMessages::openWrittenFile()))
        platform().shellOpen(QLatin1Char('"') + path + QLatin1Char('"'));
}
