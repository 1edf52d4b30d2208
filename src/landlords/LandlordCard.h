#pragma once

#include "archive/CardWindowSpec.h"

// The landlord window's table: fields, sections, buttons and messages.
CardWindowSpec landlordCardSpec();
