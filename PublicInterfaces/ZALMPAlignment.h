#pragma once
#include "ZALMPNameTable.h"

/// How the directions of the constrained geometries are to lie: left to the solver, merely
/// required, or pointing the same way or opposite ways.
#define ZALMP_ALIGNMENT_MEMBERS(Entry) Entry(NotSpecified, 0) Entry(Specified, 1) Entry(Align, 2) \
  Entry(AntiAlign, 3)
ZALMP_NAMED_ENUMERATION(ZALMPAlignment, ZALMP_ALIGNMENT_MEMBERS);
