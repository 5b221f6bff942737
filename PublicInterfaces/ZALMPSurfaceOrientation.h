#pragma once
#include "ZALMPNameTable.h"

/// Which side of a surface a tangency touches: left to the solver, along or against
/// the surface's normal.
#define ZALMP_SURFACE_ORIENTATION_MEMBERS(Entry) Entry(NotSpecified, 0) Entry(Positive, 1) Entry(Negative, 2)
ZALMP_NAMED_ENUMERATION(ZALMPSurfaceOrientation, ZALMP_SURFACE_ORIENTATION_MEMBERS);
