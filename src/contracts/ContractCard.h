#pragma once

#include "archive/CardWindowSpec.h"

// The contract window's table: fields, sections, buttons and messages.
CardWindowSpec contractCardSpec();
