#pragma once

#include "widgets/card/CardWindowTable.h"

// The receipt window's table: the card laid out like the paper receipt.
CardWindowTable receiptCardTable();
