#pragma once

#include "engine/platform/Platform.h"

#include <QString>

#include <functional>
#include <optional>

// The first check that refuses a contract before saving: the message to
// show, its kind of box, and the field that takes the focus.
struct ContractCheckFailure
{
    MessageKind kind;
    QString message;
    QString focusField;
};

// Runs the contract's checks in their order on the field texts that
// `fieldText` gives by record field name; nothing when all pass.
std::optional<ContractCheckFailure> firstFailedContractCheck(
    const std::function<QString(const QString &)> &fieldText);
