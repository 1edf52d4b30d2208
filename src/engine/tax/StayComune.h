#pragma once

#include "engine/guests/PoliceCodes.h"

#include <QString>

#include <optional>

class Record;

// The comune whose tourist tax a stay pays: the property's comune and
// province of the contract (ComuneImm, ProvImm) looked up in the police
// code tables. Nothing when the tables hold no such comune in force.
namespace StayComune {

std::optional<PolicePlace> of(const PoliceCodes &codes, const QString &comune, const QString &province);
std::optional<PolicePlace> ofContract(const PoliceCodes &codes, const Record &contract);

} // namespace StayComune
