#include "engine/tax/StayComune.h"

#include "engine/archive/Record.h"

namespace StayComune {

std::optional<PolicePlace> of(const PoliceCodes &codes, const QString &comune, const QString &province)
{
    const std::optional<PolicePlace> place = codes.findPlace(comune, province, PlacePurpose::Current);
    if (!place || place->kind != PlaceKind::Comune)
        return std::nullopt;
    return place;
}

std::optional<PolicePlace> ofContract(const PoliceCodes &codes, const Record &contract)
{
    return of(codes, contract.value(QStringLiteral("ComuneImm")), contract.value(QStringLiteral("ProvImm")));
}

} // namespace StayComune
