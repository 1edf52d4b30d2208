#pragma once

#include "widgets/card/CardWindowTable.h"

// The tenant window's table: fields, sections, buttons and messages.
CardWindowTable tenantCardTable();
