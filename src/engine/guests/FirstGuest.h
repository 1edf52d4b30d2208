#pragma once

#include "engine/guests/Guest.h"

#include <QString>

#include <functional>
#include <optional>

class Record;

// The tenant as the first guest of a new list: what the contract and, when
// its fiscal code matches, the tenant's card already hold, as a proposal
// the user corrects where needed.
namespace FirstGuest {

// The police code of the place named `name` in province `province` (a
// comune, or a foreign state when the province says so), or empty.
using PlaceCode = std::function<QString(const QString &name, const QString &province)>;

// `contract` is a contract record; `tenantCard` the tenant archive's card
// with the contract's fiscal code, if any. The surname and the name are
// the tenant's name split at the first blank.
Guest fromContract(const Record &contract, const std::optional<Record> &tenantCard, const PlaceCode &placeCode);

// The card of the tenant archive in `programFolder` whose fiscal code is
// `fiscalCode` (trimmed, case-blind), the last one when several are.
std::optional<Record> tenantCard(const QString &programFolder, const QString &fiscalCode);

// 'M' or 'F' as a fiscal code tells (its day of birth is 40 more for a
// woman); null for a code that does not tell.
QChar sexFromFiscalCode(const QString &fiscalCode);

} // namespace FirstGuest
