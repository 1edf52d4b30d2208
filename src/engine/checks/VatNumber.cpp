#include "engine/checks/VatNumber.h"

#include "engine/text/TextRules.h"

#include <array>
#include <string_view>

namespace {

struct VatOffice
{
    std::u16string_view code;
    std::u16string_view name;
};

// The provincial VAT offices: 001 to 095 follow the numbering of the Italian
// provinces, 096 to 102 are the second offices of large cities, and 120 and
// 121 are later codes of two of those second offices.
constexpr std::array<VatOffice, 104> Offices = {{
    {u"001", u"Torino"},
    {u"002", u"Vercelli"},
    {u"003", u"Novara"},
    {u"004", u"Cuneo"},
    {u"005", u"Asti"},
    {u"006", u"Alessandria"},
    {u"007", u"Aosta"},
    {u"008", u"Imperia"},
    {u"009", u"Savona"},
    {u"010", u"Genova 1"},
    {u"011", u"La Spezia"},
    {u"012", u"Varese"},
    {u"013", u"Como"},
    {u"014", u"Sondrio"},
    {u"015", u"Milano 1"},
    {u"016", u"Bergamo"},
    {u"017", u"Brescia 1"},
    {u"018", u"Pavia"},
    {u"019", u"Cremona"},
    {u"020", u"Mantova"},
    {u"021", u"Bolzano"},
    {u"022", u"Trento"},
    {u"023", u"Verona"},
    {u"024", u"Vicenza"},
    {u"025", u"Belluno"},
    {u"026", u"Treviso"},
    {u"027", u"Venezia"},
    {u"028", u"Padova"},
    {u"029", u"Rovigo"},
    {u"030", u"Udine"},
    {u"031", u"Gorizia"},
    {u"032", u"Trieste"},
    {u"033", u"Piacenza"},
    {u"034", u"Parma"},
    {u"035", u"Reggio Emilia"},
    {u"036", u"Modena"},
    {u"037", u"Bologna 1"},
    {u"038", u"Ferrara"},
    {u"039", u"Ravenna"},
    {u"040", u"Forl\u00ec"},
    {u"041", u"Pesaro"},
    {u"042", u"Ancona"},
    {u"043", u"Macerata"},
    {u"044", u"Ascoli Piceno"},
    {u"045", u"Massa Carrara"},
    {u"046", u"Lucca"},
    {u"047", u"Pistoia"},
    {u"048", u"Firenze 1"},
    {u"049", u"Livorno"},
    {u"050", u"Pisa"},
    {u"051", u"Arezzo"},
    {u"052", u"Siena"},
    {u"053", u"Grosseto"},
    {u"054", u"Perugia"},
    {u"055", u"Terni"},
    {u"056", u"Viterbo"},
    {u"057", u"Rieti"},
    {u"058", u"Roma 1"},
    {u"059", u"Latina"},
    {u"060", u"Frosinone"},
    {u"061", u"Caserta"},
    {u"062", u"Benevento"},
    {u"063", u"Napoli 1"},
    {u"064", u"Avellino"},
    {u"065", u"Salerno"},
    {u"066", u"Aquila"},
    {u"067", u"Teramo"},
    {u"068", u"Pescara"},
    {u"069", u"Chieti"},
    {u"070", u"Campobasso"},
    {u"071", u"Foggia"},
    {u"072", u"Bari"},
    {u"073", u"Taranto"},
    {u"074", u"Brindisi"},
    {u"075", u"Lecce"},
    {u"076", u"Potenza"},
    {u"077", u"Matera"},
    {u"078", u"Cosenza"},
    {u"079", u"Catanzaro"},
    {u"080", u"Reggio Calabria"},
    {u"081", u"Trapani"},
    {u"082", u"Palermo"},
    {u"083", u"Messina"},
    {u"084", u"Agrigento"},
    {u"085", u"Caltanissetta"},
    {u"086", u"Enna"},
    {u"087", u"Catania"},
    {u"088", u"Ragusa"},
    {u"089", u"Siracusa"},
    {u"090", u"Sassari"},
    {u"091", u"Nuoro"},
    {u"092", u"Cagliari"},
    {u"093", u"Pordenone"},
    {u"094", u"Isernia"},
    {u"095", u"Oristano"},
    {u"096", u"Monza (Milano 2)"},
    {u"097", u"Prato (Firenze 2)"},
    {u"098", u"Brescia 2"},
    {u"099", u"Chiavari (Genova 2)"},
    {u"100", u"Roma 2"},
    {u"101", u"Bologna 2"},
    {u"102", u"Napoli 2"},
    {u"120", u"Bologna 2"},
    {u"121", u"Napoli 2"},
}};

} // namespace

std::optional<int> VatNumber::expectedCheckDigit(const QString &first10)
{
    if (first10.size() != Length - 1 || !TextRules::isDigitsOnly(first10))
        return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < first10.size(); ++i) {
        const int digit = first10.at(i).unicode() - u'0';
        // Positions count from 1: index 0 is odd and is added as it is; a
        // digit in an even position is doubled and the digits of the product
        // are added (a double is at most 18, so subtracting 9 does that).
        if (i % 2 == 0) {
            sum += digit;
        } else {
            const int doubled = digit * 2;
            sum += doubled > 9 ? doubled - 9 : doubled;
        }
    }
    return (10 - sum % 10) % 10;
}

bool VatNumber::isValid(const QString &number)
{
    if (number.size() != Length || !TextRules::isDigitsOnly(number))
        return false;
    const auto expected = expectedCheckDigit(number.first(Length - 1));
    return expected && *expected == number.at(Length - 1).unicode() - u'0';
}

QString VatNumber::officeCode(const QString &number)
{
    return number.mid(7, 3);
}

std::optional<QString> VatNumber::officeName(const QString &code)
{
    for (const VatOffice &office : Offices) {
        if (QStringView(office.code.data(), qsizetype(office.code.size())) == code)
            return QStringView(office.name.data(), qsizetype(office.name.size())).toString();
    }
    return std::nullopt;
}
