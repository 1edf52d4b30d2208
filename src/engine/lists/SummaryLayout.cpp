#include "engine/lists/SummaryLayout.h"

namespace {

constexpr SummarySegment text(const char *literal)
{
    return {literal, nullptr, 0};
}

constexpr SummarySegment field(const char *name, int width)
{
    return {nullptr, name, width};
}

constexpr SummarySegment lastField(const char *name)
{
    return {nullptr, name, SummarySegment::kNoWidth};
}

} // namespace

// Column positions matter to the user (the lists are read down a column) and
// to the trace back (a line is found again by rebuilding it): keep them.
namespace SummaryLayouts {

const SummaryLayout &landlords()
{
    static const SummaryLayout layout = {
        field("Locatore", 28),   text("  Tel. "),    field("RecapitoLoc", 16),
        text("  Tipo: "),        field("TipoImm", 20), text("  Città: "),
        field("ComuneImm", 20),  text("  "),         field("ViaImm", 30),
        text("  Posti: "),       lastField("Posti"),
    };
    return layout;
}

const SummaryLayout &tenants()
{
    static const SummaryLayout layout = {
        field("Conduttore", 28), text("  Tel. "),    field("RecapitoCon", 16),
        text("  Tipo: "),        field("TipoImm", 20), text("  Città: "),
        field("ComuneImm", 20),  text("  Zona: "),   field("Zona", 24),
        text("  Posti: "),       lastField("Posti"),
    };
    return layout;
}

const SummaryLayout &contracts()
{
    static const SummaryLayout layout = {
        field("Conduttore", 28), text("  Giorni: "), field("DurataCon", 3),
        text("  Da: "),          field("InizioCon", 10), text("  A: "),
        field("FineCon", 10),    text("  Città: "),  field("ComuneImm", 24),
        text("  "),              field("ViaImm", 30), text("  € "),
        lastField("ImpCanone"),
    };
    return layout;
}

const SummaryLayout &receipts()
{
    static const SummaryLayout layout = {
        text("Ric. n. "),        field("NumRic", 15), text("  Data: "),
        field("Data", 10),       text("  Da: "),      field("Pagatore01", 35),
        text("  Per: "),         field("Causale01", 40), text("  Totale: € "),
        lastField("Intero"),
    };
    return layout;
}

} // namespace SummaryLayouts
