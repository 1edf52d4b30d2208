#pragma once

#include <vector>

// One piece of a summary line: either a literal text, copied as it is, or a
// record field. A field with a width is padded with blanks or cut to exactly
// that many characters; the line's last field has no width and is only
// trimmed.
struct SummarySegment
{
    const char *literal = nullptr;  // UTF-8; nullptr for a field
    const char *field = nullptr;    // record field name; nullptr for a literal
    int width = 0;                  // characters; kNoWidth for the last field

    static constexpr int kNoWidth = -1;
};

// The fixed-column summary of a record that every list window shows: its
// segments in order.
using SummaryLayout = std::vector<SummarySegment>;

namespace SummaryLayouts {

// Landlords and their property: the landlord search and the landlord import.
const SummaryLayout &landlords();
// Tenants and the property they want: the tenant search and the tenant import.
const SummaryLayout &tenants();
// Contracts by tenant: the contract search and the non-expired list.
const SummaryLayout &contracts();
// Receipts: the receipt search.
const SummaryLayout &receipts();

} // namespace SummaryLayouts
