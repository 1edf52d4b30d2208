#include "landlords/TfrmLocatori.h"

#include "landlords/LandlordCard.h"

TfrmLocatori::TfrmLocatori(QWidget *parent)
    : CardWindow(landlordCardTable(), parent)
{
}
