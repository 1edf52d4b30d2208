#pragma once

#include "archive/CardWindowTable.h"

// The landlord window's table: fields, sections, buttons and messages.
CardWindowTable landlordCardTable();
