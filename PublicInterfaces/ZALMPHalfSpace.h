#pragma once
#include "ZALMPNameTable.h"

/// On which side of the reference a distance is measured: left to the solver, the
/// positive or the negative side.
#define ZALMP_HALF_SPACE_MEMBERS(Entry) Entry(NotSpecified, 0) Entry(Positive, 1) Entry(Negative, 2)
ZALMP_NAMED_ENUMERATION(ZALMPHalfSpace, ZALMP_HALF_SPACE_MEMBERS);
