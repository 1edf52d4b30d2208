#pragma once

#include "engine/export/ExportTables.h"

#include <QString>

#include <memory>

class ExportWindow;
class QWidget;

// The export window of one archive, not yet shown, owned by `owner`'s
// window: TfrmExpLocatori, TfrmExpConduttori, TfrmExpContratti or
// TfrmExpRic.
std::unique_ptr<ExportWindow> createExportWindow(ExportArchive which, QWidget *owner);

// What a card window's Esporta button does: opens the export window of its
// archive over the card window, created for this one use, shown modally and
// destroyed when it closes. For the receipts, the year's archive is the one
// named by the card window's hidden label lblFile.
void openExportWindow(QWidget *cardWindow, ExportArchive which);

// The end of every export to a file: the failure told, or the file written
// at `path` offered to open.
void offerWrittenFile(const QString &path, bool written);
