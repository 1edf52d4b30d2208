#include "engine/lists/ImportCopyMaps.h"

#include "engine/archive/Record.h"
#include "engine/text/TextRules.h"

namespace {

// The landlord and the whole property, land registry and expenses included.
const std::vector<CopyEntry> kLandlordIntoContract = {
    {"txtLocatore", "Locatore"},         {"txtLuogoNascLoc", "LuogoNascLoc"},
    {"txtProvNascLoc", "ProvNascLoc"},   {"txtDataNascLoc", "DataNascLoc"},
    {"txtCodFiscLoc", "CodFiscLoc"},     {"txtComuneDom", "ComuneDom"},
    {"txtProvDom", "ProvDom"},           {"txtViaDom", "ViaDom"},
    {"txtCapLoc", "CapLoc"},             {"txtComuneImm", "ComuneImm"},
    {"txtProvImm", "ProvImm"},           {"txtViaImm", "ViaImm"},
    {"txtCapImm", "CapImm"},             {"txtScala", "Scala"},
    {"txtInterno", "Interno"},           {"txtPiano", "Piano"},
    {"txtVani", "Vani"},                 {"txtAccessori", "Accessori"},
    {"txtPosti", "Posti"},               {"txtCodComune", "CodComune"},
    {"txtSezUrb", "SezUrb"},             {"txtFoglio", "Foglio"},
    {"txtParticella", "Particella"},     {"txtSubalterno", "Subalterno"},
    {"txtSuperficie", "Superficie"},     {"txtSpese", "Spese"},
};

// The tenant's identity, residence, document and hosted persons; the
// property the tenant wants is not the contract's property.
const std::vector<CopyEntry> kTenantIntoContract = {
    {"txtConduttore", "Conduttore"},     {"txtLuogoNascCon", "LuogoNascCon"},
    {"txtProvNascCon", "ProvNascCon"},   {"txtDataNascCon", "DataNascCon"},
    {"txtCodFiscCon", "CodFiscCon"},     {"txtComuneRes", "ComuneRes"},
    {"txtProvRes", "ProvRes"},           {"txtViaRes", "ViaRes"},
    {"txtCapCon", "CapCon"},             {"txtDocumento", "Documento"},
    {"txtPersone", "Persone"},
};

// The payer's two lines of a receipt.
const std::vector<CopyEntry> kTenantIntoReceipt = {
    {"txtPagatore01", "Conduttore"},
    {"txtPagatore02", "CodFiscCon", "Codice Fiscale: "},
};

const std::vector<CopyEntry> kNothing;

} // namespace

namespace ImportCopyMaps {

const std::vector<CopyEntry> &map(ImportSource source, const QString &callerTag)
{
    const QString tag = TextRules::trimmed(callerTag);
    if (tag == QLatin1String("contratti"))
        return source == ImportSource::Landlords ? kLandlordIntoContract : kTenantIntoContract;
    if (tag == QLatin1String("ricevuta") && source == ImportSource::Tenants)
        return kTenantIntoReceipt;
    return kNothing;
}

QList<CopiedValue> copiedValues(ImportSource source, const QString &callerTag, const Record &record)
{
    QList<CopiedValue> values;
    for (const CopyEntry &entry : map(source, callerTag)) {
        values.append({QString::fromLatin1(entry.control),
                       QString::fromUtf8(entry.prefix)
                           + TextRules::trimmed(record.value(QString::fromLatin1(entry.field)))});
    }
    return values;
}

} // namespace ImportCopyMaps
