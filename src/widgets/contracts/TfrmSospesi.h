#pragma once

#include "widgets/search/SummaryListWindow.h"

// The contracts not yet expired (ending today or later), listed when the
// window opens; a double click shows the chosen contract in the contract
// window, its owner, with its position.
class TfrmSospesi : public SummaryListWindow
{
    Q_OBJECT
public:
    explicit TfrmSospesi(QWidget *contractWindow);

protected:
    void prepareOnShow() override;
    void handleChosen(const std::vector<SummaryListing::TracedRecord> &records) override;
};
