#pragma once

#include "widgets/card/CardWindow.h"

// The tenant window on Archivio_Conduttori.pro.
class TfrmConduttori : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmConduttori(QWidget *parent = nullptr);
};
