#include "engine/archive/RecordLayouts.h"

// The record layouts as stored on disk. Every other copy of the program reads
// these files byte for byte: the order and capacities must never change.
namespace RecordLayouts {

const RecordLayout &locatore()
{
    static const RecordLayout layout(QStringLiteral("Archivio_Locatori.pro"), {
        {"Locatore", 50},      {"SessoLoc", 1},       {"CodFiscLoc", 16},   {"LuogoNascLoc", 50},
        {"ProvNascLoc", 2},    {"DataNascLoc", 10},   {"ComuneDom", 50},    {"ProvDom", 2},
        {"ViaDom", 120},       {"CapLoc", 5},         {"RecapitoLoc", 50},  {"PartitaIvaLoc", 11},
        {"TelCasaLoc", 50},    {"TelCelLoc", 50},     {"PecLoc", 50},       {"EmailLoc", 50},
        {"Note", 250},         {"TipoDoc", 50},       {"NumDoc", 50},       {"EnteRil", 50},
        {"DataRil", 10},       {"DataSca", 10},       {"TipoImm", 50},      {"ComuneImm", 50},
        {"ProvImm", 2},        {"ViaImm", 120},       {"CapImm", 5},        {"Scala", 12},
        {"Interno", 12},       {"Piano", 12},         {"Vani", 12},         {"Accessori", 250},
        {"Posti", 50},         {"CodComune", 12},     {"SezUrb", 12},       {"Foglio", 12},
        {"Particella", 12},    {"Subalterno", 12},    {"Superficie", 30},   {"Rendita", 30},
        {"Spese", 250},        {"File01", 250},       {"File02", 250},      {"File03", 250},
        {"Desc01", 250},       {"Desc02", 250},       {"Desc03", 250},
    });
    return layout;
}

const RecordLayout &conduttore()
{
    static const RecordLayout layout(QStringLiteral("Archivio_Conduttori.pro"), {
        {"Conduttore", 50},    {"SessoCon", 1},       {"CodFiscCon", 16},   {"LuogoNascCon", 50},
        {"ProvNascCon", 2},    {"DataNascCon", 10},   {"ComuneRes", 50},    {"ProvRes", 2},
        {"ViaRes", 120},       {"CapCon", 5},         {"RecapitoCon", 50},  {"PartitaIvaCon", 11},
        {"TelCasaCon", 50},    {"TelCelCon", 50},     {"PecCon", 50},       {"EmailCon", 50},
        {"Note", 250},         {"Documento", 250},    {"TipoImm", 50},      {"ComuneImm", 50},
        {"ProvImm", 2},        {"Zona", 50},          {"Piano", 12},        {"Vani", 12},
        {"Accessori", 250},    {"Posti", 50},         {"Persone", 250},     {"Periodo", 50},
        {"Questioni", 250},    {"File01", 250},       {"File02", 250},      {"File03", 250},
        {"Desc01", 250},       {"Desc02", 250},       {"Desc03", 250},
    });
    return layout;
}

const RecordLayout &contratto()
{
    static const RecordLayout layout(QStringLiteral("Archivio_Contratti.pro"), {
        {"Locatore", 50},      {"LuogoNascLoc", 50},  {"ProvNascLoc", 2},   {"DataNascLoc", 10},
        {"CodFiscLoc", 16},    {"ComuneDom", 50},     {"ProvDom", 2},       {"ViaDom", 120},
        {"CapLoc", 5},         {"Conduttore", 50},    {"LuogoNascCon", 50}, {"ProvNascCon", 2},
        {"DataNascCon", 10},   {"CodFiscCon", 16},    {"ComuneRes", 50},    {"ProvRes", 2},
        {"ViaRes", 120},       {"CapCon", 5},         {"Persone", 250},     {"ComuneImm", 50},
        {"ProvImm", 2},        {"ViaImm", 120},       {"CapImm", 5},        {"Scala", 12},
        {"Interno", 12},       {"Piano", 12},         {"Vani", 12},         {"Accessori", 250},
        {"Posti", 50},         {"CodComune", 12},     {"SezUrb", 12},       {"Foglio", 12},
        {"Particella", 12},    {"Subalterno", 12},    {"Superficie", 30},   {"DurataCon", 50},
        {"InizioCon", 10},     {"FineCon", 10},       {"ImpCanone", 50},    {"Spese", 250},
        {"Pagamento", 250},    {"ImpCauzione", 50},   {"Documento", 250},   {"Pattuizioni", 250},
        {"Luogo", 50},         {"Data", 10},
    });
    return layout;
}

const RecordLayout &ricevuta()
{
    static const RecordLayout layout(QString(), {
        {"NumRic", 30},        {"Data", 10},          {"Importo", 8},       {"Cents", 2},
        {"ImpLettere", 250},   {"CentLettere", 2},    {"Intero", 11},       {"Ricevente01", 50},
        {"Ricevente02", 50},   {"Ricevente03", 50},   {"Ricevente04", 50},  {"Pagatore01", 250},
        {"Pagatore02", 250},   {"Causale01", 250},    {"Causale02", 250},
    });
    return layout;
}

} // namespace RecordLayouts
