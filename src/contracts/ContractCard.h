#pragma once

#include "archive/CardWindowTable.h"

// The contract window's table: fields, sections, buttons and messages.
CardWindowTable contractCardTable();
