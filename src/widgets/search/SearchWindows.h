#pragma once

#include "widgets/search/SearchWindow.h"

// The four search windows, each opened by the Trova button of its card
// window, which is its owner.

class TfrmTrovaConduttori : public SearchWindow
{
    Q_OBJECT
public:
    explicit TfrmTrovaConduttori(QWidget *cardWindow) : SearchWindow(SearchArchive::Tenants, cardWindow) {}
};

class TfrmTrovaLocatori : public SearchWindow
{
    Q_OBJECT
public:
    explicit TfrmTrovaLocatori(QWidget *cardWindow) : SearchWindow(SearchArchive::Landlords, cardWindow) {}
};

class TfrmTrovaContratti : public SearchWindow
{
    Q_OBJECT
public:
    explicit TfrmTrovaContratti(QWidget *cardWindow) : SearchWindow(SearchArchive::Contracts, cardWindow) {}
};

class TfrmTrovaRic : public SearchWindow
{
    Q_OBJECT
public:
    explicit TfrmTrovaRic(QWidget *cardWindow) : SearchWindow(SearchArchive::Receipts, cardWindow) {}
};
