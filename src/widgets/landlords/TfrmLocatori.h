#pragma once

#include "widgets/card/CardWindow.h"

// The landlord and property window on Archivio_Locatori.pro. Beyond the
// shared card window it opens the codes of the property of a stored card.
class TfrmLocatori : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmLocatori(QWidget *parent = nullptr);

private:
    void buildCodesButton();
};
