#include "widgets/landlords/TfrmLocatori.h"

#include "widgets/landlords/LandlordCard.h"

TfrmLocatori::TfrmLocatori(QWidget *parent)
    : CardWindow(landlordCardTable(), parent)
{
}
