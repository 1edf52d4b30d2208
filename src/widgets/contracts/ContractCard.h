#pragma once

#include "widgets/card/CardWindowTable.h"

// The contract window's table: fields, sections, buttons and messages.
CardWindowTable contractCardTable();
