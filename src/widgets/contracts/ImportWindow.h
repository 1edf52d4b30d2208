#pragma once

#include "engine/lists/ImportCopyMaps.h"
#include "widgets/search/SummaryListWindow.h"

// An import window: the list of one archive, shown when the window opens
// (records with a blank name left out); a double click copies the chosen
// record's fields into the window that opened it, by the copy map of the
// caller tag, and closes.
class ImportWindow : public SummaryListWindow
{
    Q_OBJECT
public:
    ImportWindow(ImportSource source, QWidget *caller);

    ImportSource source() const { return m_source; }

protected:
    void prepareOnShow() override;
    void handleChosen(const std::vector<SummaryListing::TracedRecord> &records) override;

private:
    ImportSource m_source;
    int m_nameOffset;
    int m_nameCapacity;
};

// The landlord and property import into the contract window.
class TfrmImpLocatore : public ImportWindow
{
    Q_OBJECT
public:
    explicit TfrmImpLocatore(QWidget *caller) : ImportWindow(ImportSource::Landlords, caller) {}
};

// The tenant import into the contract window or the receipt window.
class TfrmImpConduttore : public ImportWindow
{
    Q_OBJECT
public:
    explicit TfrmImpConduttore(QWidget *caller) : ImportWindow(ImportSource::Tenants, caller) {}
};
