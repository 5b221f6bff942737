#pragma once
#include "ZALMPNameTable.h"

/// The plane of a symmetry, named by two axes of its reference frame.
#define ZALMP_SELECTED_PLANE_MEMBERS(Entry) Entry(XY, 0) Entry(YZ, 1) Entry(ZX, 2)
ZALMP_NAMED_ENUMERATION(ZALMPSelectedPlane, ZALMP_SELECTED_PLANE_MEMBERS);
