#pragma once

#include "engine/lists/SummaryLayout.h"

#include <vector>

class RecordLayout;

// The four archives a search window can look through.
enum class SearchArchive { Tenants, Landlords, Contracts, Receipts };

// One criteria field of a search window and the record field it is compared
// with.
struct SearchCriterionDef
{
    const char *control;   // "txtConduttore"
    const char *label;     // UTF-8, shown above the field
    const char *field;     // record field name
};

// Everything that makes one search window out of the shared design. Texts
// are UTF-8.
struct SearchArchiveDef
{
    const char *className;       // "TfrmTrovaConduttori"
    const char *objectName;      // "frmTrovaConduttori"
    const char *caption;
    const char *callerTag;       // the card window's tag
    const RecordLayout &(*layout)();
    // In their order on the window: tab, Enter and comparison order.
    std::vector<SearchCriterionDef> criteria;
    bool sorted;                 // receipts keep the archive order
    const char *printTitle;
    const char *countSuffix;     // after the number in the count label
    const char *chooseHint;      // the crimson line under the list
    const SummaryLayout &(*line)();
    // The receipt window writes its instructions as labels (lblRigo01 to
    // lblRigo06) and shows a strip of forms above its criteria; the others
    // show pictures.
    bool instructionLabels = false;
};

namespace SearchArchives {

const SearchArchiveDef &definition(SearchArchive archive);

} // namespace SearchArchives
