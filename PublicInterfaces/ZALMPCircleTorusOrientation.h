#pragma once
#include "ZALMPNameTable.h"

/// How a circle lies against a torus it coincides with: left to the solver, in a
/// plane parallel or perpendicular to the torus's axis.
#define ZALMP_CIRCLE_TORUS_ORIENTATION_MEMBERS(Entry) Entry(NotSpecified, 0) Entry(Parallel, 1) \
  Entry(Perpendicular, 2)
ZALMP_NAMED_ENUMERATION(ZALMPCircleTorusOrientation, ZALMP_CIRCLE_TORUS_ORIENTATION_MEMBERS);
