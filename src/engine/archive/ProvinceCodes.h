#pragma once

#include <QStringList>

// The 112 province codes of every province combo, in their list order.
const QStringList &provinceCodes();
