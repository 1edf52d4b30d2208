#pragma once

#include "archive/CardWindowTable.h"

// The tenant window's table: fields, sections, buttons and messages.
CardWindowTable tenantCardTable();
