#include "widgets/search/OpenSearch.h"

#include "widgets/card/CardWindow.h"
#include "widgets/search/SearchWindows.h"

#include <memory>

void openSearch(CardWindow *card, SearchArchive which)
{
    std::unique_ptr<SearchWindow> window;
    switch (which) {
    case SearchArchive::Tenants: window = std::make_unique<TfrmTrovaConduttori>(card); break;
    case SearchArchive::Landlords: window = std::make_unique<TfrmTrovaLocatori>(card); break;
    case SearchArchive::Contracts: window = std::make_unique<TfrmTrovaContratti>(card); break;
    case SearchArchive::Receipts: window = std::make_unique<TfrmTrovaRic>(card); break;
    }
    window->setCallerTag(QString::fromLatin1(window->definition().callerTag));
    window->exec();
}
