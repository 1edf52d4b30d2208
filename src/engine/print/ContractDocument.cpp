#include "engine/print/ContractDocument.h"

#include "engine/print/TemplateTable.h"
#include "engine/text/TextRules.h"

#include <array>

namespace ContractDocument {

namespace {

using namespace TemplateTable;

constexpr QRgb beige = 0xFFF5F5DC;

// The page, top to bottom and left to right, measured from the sheet's
// corner. Every text is one line of Arial, vertically centred and cut at
// its box's right edge; the beige boxes are the data.
constexpr std::array layout = std::to_array<Row>({
    // Object, kind, left, top, width, height (mm), font size (pt), style, fill, content.
    {"txtCIN",          Kind::Field, 110.0, 4.8,   90.0,  4.4, 8,  RightAligned, noFill, ""},
    {"Shape2",          Kind::Shape, 10.0,  10.0,  190.0, 9.0, 0,  Plain,        beige,  ""},
    {"titDirettore",    Kind::Text,  11.0,  10.8,  188.0, 7.8, 14, Bold|Centred, noFill, "CONTRATTO DI LOCAZIONE DI IMMOBILE AD USO TURISTICO"},
    {"txtDirettore",    Kind::Text,  10.0,  20.1,  190.0, 3.8, 8,  Centred,      noFill, "(ai sensi dell'art. 1, comma 2, lettera c, della legge 9 dicembre 1998, n. 431 e successive modificazioni e integrazioni)"},
    {"Line6",           Kind::Line,  10.0,  24.8,  190.0, 0.0, 0,  Plain,        noFill, ""},
    {"txtSottoscritto", Kind::Text,  10.0,  28.0,  69.0,  5.0, 11, Plain,        noFill, "Con il presente contratto, il Locatore:"},
    {"txtLocatore",     Kind::Field, 80.0,  28.0,  120.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo15",          Kind::Text,  10.0,  34.0,  28.0,  5.0, 11, Plain,        noFill, "codice fiscale:"},
    {"txtCodFiscLoc",   Kind::Field, 39.0,  34.0,  71.0,  5.0, 11, Plain,        beige,  ""},
    {"txtNato",         Kind::Text,  112.0, 34.0,  30.0,  5.0, 11, Plain,        noFill, "data di nascita:"},
    {"txtDataNascLoc",  Kind::Field, 143.0, 34.0,  57.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo11",          Kind::Text,  10.0,  40.0,  32.0,  5.0, 11, Plain,        noFill, "luogo di nascita:"},
    {"txtLuogoNascLoc", Kind::Field, 43.0,  40.0,  130.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo27",          Kind::Text,  175.0, 40.0,  11.0,  5.0, 11, Plain,        noFill, "prov."},
    {"txtProvNascLoc",  Kind::Field, 187.0, 40.0,  13.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo7",           Kind::Text,  10.0,  46.0,  42.0,  5.0, 11, Plain,        noFill, "indirizzo di residenza:"},
    {"txtViaDom",       Kind::Field, 53.0,  46.0,  147.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo10",          Kind::Text,  10.0,  52.0,  34.0,  5.0, 11, Plain,        noFill, "città di residenza:"},
    {"txtComuneDom",    Kind::Field, 45.0,  52.0,  88.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo12",          Kind::Text,  135.0, 52.0,  11.0,  5.0, 11, Plain,        noFill, "prov."},
    {"txtProvDom",      Kind::Field, 147.0, 52.0,  13.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo13",          Kind::Text,  162.0, 52.0,  12.0,  5.0, 11, Plain,        noFill, "CAP:"},
    {"txtCapLoc",       Kind::Field, 175.0, 52.0,  25.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo17",          Kind::Text,  10.0,  58.6,  190.0, 6.8, 14, Bold|Centred, noFill, "CONCEDE IN LOCAZIONE"},
    {"Memo6",           Kind::Text,  10.0,  67.0,  28.0,  5.0, 11, Plain,        noFill, "al Conduttore:"},
    {"txtConduttore",   Kind::Field, 39.0,  67.0,  161.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo40",          Kind::Text,  10.0,  73.0,  27.0,  5.0, 11, Plain,        noFill, "codice fiscale:"},
    {"txtCodFiscCon",   Kind::Field, 38.0,  73.0,  72.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo28",          Kind::Text,  112.0, 73.0,  31.0,  5.0, 11, Plain,        noFill, "data di nascita:"},
    {"txtDataNascCon",  Kind::Field, 144.0, 73.0,  56.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo38",          Kind::Text,  10.0,  79.0,  32.0,  5.0, 11, Plain,        noFill, "luogo di nascita:"},
    {"txtLuogoNascCon", Kind::Field, 43.0,  79.0,  130.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo42",          Kind::Text,  175.0, 79.0,  11.0,  5.0, 11, Plain,        noFill, "prov."},
    {"txtProvNascCon",  Kind::Field, 187.0, 79.0,  13.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo30",          Kind::Text,  10.0,  85.0,  42.0,  5.0, 11, Plain,        noFill, "indirizzo di residenza:"},
    {"txtViaRes",       Kind::Field, 53.0,  85.0,  147.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo32",          Kind::Text,  10.0,  91.0,  34.0,  5.0, 11, Plain,        noFill, "città di residenza:"},
    {"txtComuneRes",    Kind::Field, 45.0,  91.0,  88.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo34",          Kind::Text,  135.0, 91.0,  11.0,  5.0, 11, Plain,        noFill, "prov."},
    {"txtProvRes",      Kind::Field, 147.0, 91.0,  13.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo36",          Kind::Text,  162.0, 91.0,  11.0,  5.0, 11, Plain,        noFill, "CAP:"},
    {"txtCapCon",       Kind::Field, 174.0, 91.0,  26.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo14",          Kind::Text,  10.0,  97.0,  190.0, 5.0, 11, Plain,        noFill, "identificato mediante il seguente documento di riconoscimento:¹"},
    {"txtDocumento",    Kind::Field, 10.0,  103.0, 190.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo9",           Kind::Text,  10.0,  109.0, 69.0,  5.0, 11, Plain,        noFill, "l'unità immobiliare sita nel Comune di"},
    {"txtComuneImm",    Kind::Field, 80.0,  109.0, 93.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo31",          Kind::Text,  175.0, 109.0, 11.0,  5.0, 11, Plain,        noFill, "prov."},
    {"txtProvImm",      Kind::Field, 187.0, 109.0, 13.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo35",          Kind::Text,  10.0,  115.0, 12.0,  5.0, 11, Plain,        noFill, "CAP:"},
    {"txtCapImm",       Kind::Field, 23.0,  115.0, 25.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo29",          Kind::Text,  50.0,  115.0, 19.0,  5.0, 11, Plain,        noFill, "indirizzo:"},
    {"txtViaImm",       Kind::Field, 70.0,  115.0, 130.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo37",          Kind::Text,  10.0,  121.0, 13.0,  5.0, 11, Plain,        noFill, "scala:"},
    {"txtScala",        Kind::Field, 24.0,  121.0, 17.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo41",          Kind::Text,  43.0,  121.0, 16.0,  5.0, 11, Plain,        noFill, "interno:"},
    {"txtInterno",      Kind::Field, 60.0,  121.0, 17.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo33",          Kind::Text,  79.0,  121.0, 14.0,  5.0, 11, Plain,        noFill, "piano:"},
    {"txtPiano",        Kind::Field, 94.0,  121.0, 16.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo39",          Kind::Text,  112.0, 121.0, 11.0,  5.0, 11, Plain,        noFill, "vani:"},
    {"txtVani",         Kind::Field, 124.0, 121.0, 26.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo44",          Kind::Text,  152.0, 121.0, 21.0,  5.0, 11, Plain,        noFill, "posti letto:"},
    {"txtPosti",        Kind::Field, 174.0, 121.0, 26.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo43",          Kind::Text,  10.0,  127.0, 21.0,  5.0, 11, Plain,        noFill, "accessori:"},
    {"txtAccessori",    Kind::Field, 32.0,  127.0, 168.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo16",          Kind::Text,  10.0,  133.0, 82.0,  5.0, 11, Plain,        noFill, "identificata nel Catasto con codice Comune:"},
    {"txtCodComune",    Kind::Field, 93.0,  133.0, 32.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo53",          Kind::Text,  127.0, 133.0, 31.0,  5.0, 11, Plain,        noFill, "sezione urbana:"},
    {"txtSezUrb",       Kind::Field, 159.0, 133.0, 41.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo47",          Kind::Text,  10.0,  139.0, 14.0,  5.0, 11, Plain,        noFill, "foglio:"},
    {"txtFoglio",       Kind::Field, 25.0,  139.0, 21.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo49",          Kind::Text,  48.0,  139.0, 20.0,  5.0, 11, Plain,        noFill, "particella:"},
    {"txtParticella",   Kind::Field, 69.0,  139.0, 21.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo45",          Kind::Text,  92.0,  139.0, 23.0,  5.0, 11, Plain,        noFill, "subalterno:"},
    {"txtSubalterno",   Kind::Field, 116.0, 139.0, 27.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo51",          Kind::Text,  145.0, 139.0, 21.0,  5.0, 11, Plain,        noFill, "superficie:"},
    {"txtSuperficie",   Kind::Field, 167.0, 139.0, 33.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo56",          Kind::Text,  10.0,  145.6, 190.0, 6.8, 14, Bold|Centred, noFill, "PATTI E CONDIZIONI:"},
    {"Memo46",          Kind::Text,  10.0,  154.0, 87.0,  5.0, 11, Plain,        noFill, "1) Il contratto è stipulato per la durata di giorni²"},
    {"txtDurata",       Kind::Field, 98.0,  154.0, 36.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo50",          Kind::Text,  136.0, 154.0, 27.0,  5.0, 11, Plain,        noFill, "con inizio dal"},
    {"txtInizioCon",    Kind::Field, 164.0, 154.0, 36.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo54",          Kind::Text,  16.0,  160.0, 17.0,  5.0, 11, Plain,        noFill, "e fine il"},
    {"txtFineCon",      Kind::Field, 34.0,  160.0, 36.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo4",           Kind::Text,  72.0,  160.0, 132.0, 5.0, 11, Plain,        noFill, "fatto salvo il caso di riconsegna anticipata delle chiavi dovuta a"},
    {"Memo5",           Kind::Text,  16.0,  166.0, 188.0, 5.0, 11, Plain,        noFill, "giustificati motivi. Non è previsto il tacito rinnovo."},
    {"Memo22",          Kind::Text,  10.0,  172.4, 103.0, 5.0, 11, Plain,        noFill, "2) Il canone di locazione è convenuto nell'importo di euro"},
    {"txtImpCanone",    Kind::Field, 114.0, 172.4, 86.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo21",          Kind::Text,  16.0,  178.4, 188.0, 5.0, 11, Plain,        noFill, "che il Conduttore si obbliga a corrispondere al Locatore con le seguenti modalità di pagamento:"},
    {"txtPagamento",    Kind::Field, 16.0,  184.4, 184.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo23",          Kind::Text,  10.0,  190.8, 194.0, 5.0, 11, Plain,        noFill, "3) A garanzia delle obbligazioni tutte che assume con il presente contratto, il Conduttore versa al Locatore"},
    {"Memo24",          Kind::Text,  16.0,  196.8, 34.0,  5.0, 11, Plain,        noFill, "la somma di euro"},
    {"txtImpCauzione",  Kind::Field, 51.0,  196.8, 66.0,  5.0, 11, Plain,        beige,  ""},
    {"Memo48",          Kind::Text,  119.0, 197.0, 85.0,  5.0, 11, Plain,        noFill, "a titolo di deposito cauzionale, infruttifera di"},
    {"Memo1",           Kind::Text,  16.0,  202.8, 188.0, 5.0, 11, Plain,        noFill, "interessi legali, che verrà restituita al termine della locazione, dopo la verifica dello stato dell'immobile"},
    {"Memo52",          Kind::Text,  16.0,  208.8, 188.0, 5.0, 11, Plain,        noFill, "e degli arredi. Dalla somma che il Conduttore consegna come cauzione verranno detratti, al momento"},
    {"Memo55",          Kind::Text,  16.0,  214.8, 188.0, 5.0, 11, Plain,        noFill, "della restituzione, gli importi necessari per la riparazione di eventuali danni."},
    {"Memo57",          Kind::Text,  11.0,  221.2, 193.0, 5.0, 11, Plain,        noFill, "4) Con il Conduttore saranno ospitate esclusivamente le seguenti persone:"},
    {"txtPersone",      Kind::Field, 16.0,  227.2, 184.0, 5.0, 11, Plain,        beige,  ""},
    {"Memo25",          Kind::Text,  11.0,  233.6, 193.0, 5.0, 11, Plain,        noFill, "5) Oltre al canone di locazione, sono a carico del Conduttore le seguenti spese:"},
    {"txtSpese",        Kind::Field, 16.0,  239.6, 184.0, 5.0, 11, Plain,        beige,  ""},
    {"txtData",         Kind::Field, 10.0,  246.8, 190.0, 6.0, 11, Bold,         noFill, ""},
    {"Memo3",           Kind::Text,  10.0,  253.0, 56.0,  6.0, 12, Bold|Centred, noFill, "IL LOCATORE"},
    {"Memo8",           Kind::Text,  144.0, 253.0, 56.0,  6.0, 12, Bold|Centred, noFill, "IL CONDUTTORE"},
    {"Line1",           Kind::Line,  10.0,  267.0, 56.0,  0.0, 0,  Plain,        noFill, ""},
    {"Line11",          Kind::Line,  144.0, 267.0, 56.0,  0.0, 0,  Plain,        noFill, ""},
    {"Memo26",          Kind::Text,  10.0,  268.0, 56.0,  4.4, 8,  Centred,      noFill, "(firma per esteso e leggibile)"},
    {"Memo2",           Kind::Text,  144.0, 268.0, 56.0,  4.4, 8,  Centred,      noFill, "(firma per esteso e leggibile)"},
    {"Line2",           Kind::Line,  10.0,  273.2, 190.0, 0.0, 0,  Plain,        noFill, ""},
    {"Memo18",          Kind::Text,  10.0,  274.0, 193.0, 4.0, 8,  Plain,        noFill, "¹ Nel caso di affitto a cittadini extracomunitari, è necessario richiedere il codice fiscale, un passaporto in corso di validità e un permesso di"},
    {"Memo19",          Kind::Text,  12.0,  278.4, 191.0, 4.0, 8,  Plain,        noFill, "soggiorno valido riportante chiaramente la data di scadenza."},
    {"Memo20",          Kind::Text,  10.0,  283.8, 193.0, 4.0, 8,  Plain,        noFill, "² La durata massima è di giorni 30 (trenta). Il presente contratto di locazione non è soggetto a registrazione."},
});

const QString placeAndDateBox = QStringLiteral("txtData");
// Not a field of the window: the code of the property, looked up for it.
const QString cinBox = QStringLiteral("txtCIN");

// The window's control a data box shows: the one of its own name, except
// for the duration, whose control carries the record's name `DurataCon`.
QString controlFor(const QString &box)
{
    if (box == QLatin1String("txtDurata"))
        return QStringLiteral("txtDurataCon");
    return box;
}

} // namespace

Report::PageTemplate pageTemplate()
{
    Report::PageTemplate result;
    result.reportName = QStringLiteral("Contratto di Affitto Turistico");
    result.orientation = QPageLayout::Portrait;
    result.elements = TemplateTable::elements(layout, {QStringLiteral("Arial"), Middle});
    return result;
}

Report::FillResult fill(Report::PageTemplate &pageTemplate, const FieldLookup &field, const QString &propertyCin)
{
    Report::TemplateFiller filler(pageTemplate);
    for (const Row &row : layout) {
        const QString box = QString::fromUtf8(row.name);
        if (row.kind != Kind::Field || box == placeAndDateBox || box == cinBox)
            continue;
        filler.setText(box, TextRules::trimmed(field(controlFor(box))));
    }
    // The separator and the full stop stand even when both are empty.
    filler.setText(placeAndDateBox, TextRules::trimmed(field(QStringLiteral("txtLuogo")))
                                        + QStringLiteral(", ")
                                        + TextRules::trimmed(field(QStringLiteral("txtData")))
                                        + QStringLiteral("."));
    const QString cin = TextRules::trimmed(propertyCin);
    filler.setText(cinBox, cin.isEmpty() ? QString() : QStringLiteral("CIN: ") + cin);
    return filler.result();
}

} // namespace ContractDocument
