#pragma once

#include <QString>

#include <functional>

// How a document reads the window it prints: the text of the window's
// control of the given name (`txtLocatore`, `txtNumRic`, ...), as shown,
// saved or not. The documents trim it themselves.
using FieldLookup = std::function<QString(const QString &controlName)>;
