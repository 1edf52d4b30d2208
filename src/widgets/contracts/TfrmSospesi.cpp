#include "widgets/contracts/TfrmSospesi.h"

#include "engine/archive/RecordLayouts.h"
#include "engine/lists/NonExpiredFilter.h"
#include "engine/lists/SummaryLayout.h"
#include "engine/platform/Platform.h"
#include "widgets/card/CardWindow.h"

namespace {

SummaryListSetup nonExpiredSetup()
{
    SummaryListSetup setup;
    setup.objectName = QStringLiteral("frmSospesi");
    setup.caption = QStringLiteral(" Riepilogo contratti non scaduti");
    setup.banner = QStringLiteral("CONTRATTI NON SCADUTI");
    setup.chooseHint = QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda");
    setup.printTitle = QStringLiteral("Riepilogo contratti non scaduti");
    setup.record = &RecordLayouts::contratto();
    setup.line = &SummaryLayouts::contracts();
    // Opened for one purpose only.
    setup.callerTag = false;
    return setup;
}

} // namespace

TfrmSospesi::TfrmSospesi(QWidget *contractWindow)
    : SummaryListWindow(contractWindow, nonExpiredSetup())
{
}

void TfrmSospesi::prepareOnShow()
{
    fillListWhenShown(NonExpiredFilter(*setup().record, platform().today()));
}

void TfrmSospesi::handleChosen(const std::vector<SummaryListing::TracedRecord> &records)
{
    auto *contracts = qobject_cast<CardWindow *>(parentWidget());
    if (!contracts)
        return;
    for (const SummaryListing::TracedRecord &record : records)
        contracts->showRecord(record.number, record.bytes);
}
