#include "widgets/landlords/TfrmLocatori.h"

#include "widgets/print/DocumentWindow.h"
#include "widgets/landlords/LandlordCard.h"

TfrmLocatori::TfrmLocatori(QWidget *parent)
    : CardWindow(landlordCardTable(), parent)
{
    DocumentWindows::provideButtons(*this, PrintedDocument::LandlordCard);
}
