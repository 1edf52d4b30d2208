#pragma once

#include "archive/CardWindowSpec.h"

// The tenant window's table: fields, sections, buttons and messages.
CardWindowSpec tenantCardSpec();
