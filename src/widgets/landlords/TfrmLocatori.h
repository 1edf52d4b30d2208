#pragma once

#include "widgets/card/CardWindow.h"

// The landlord and property window on Archivio_Locatori.pro.
class TfrmLocatori : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmLocatori(QWidget *parent = nullptr);
};
