#pragma once

#include "widgets/card/CardWindowTable.h"

// The landlord window's table: fields, sections, buttons and messages.
CardWindowTable landlordCardTable();
