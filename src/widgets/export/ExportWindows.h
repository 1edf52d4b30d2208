#pragma once

#include "widgets/export/ExportWindow.h"

// The export window of each archive: the shared design with that archive's
// table (ExportTables).
class TfrmExpLocatori : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpLocatori(QWidget *owner) : ExportWindow(ExportArchive::Locatori, owner) {}
};

class TfrmExpConduttori : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpConduttori(QWidget *owner) : ExportWindow(ExportArchive::Conduttori, owner) {}
};

class TfrmExpContratti : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpContratti(QWidget *owner) : ExportWindow(ExportArchive::Contratti, owner) {}
};

// Reads the year's archive given by setArchivePath(): the receipt window
// knows which year it works on.
class TfrmExpRic : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpRic(QWidget *owner) : ExportWindow(ExportArchive::Ricevute, owner) {}
};
