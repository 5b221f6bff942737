#pragma once
#include "ZALMPNameTable.h"

/// An axis of a kinematic constraint's frame, with its sense: the negative
/// members point the opposite way.
#define ZALMP_SELECTED_AXIS_MEMBERS(Entry) Entry(X, 0) Entry(Y, 1) Entry(Z, 2) Entry(XNeg, 3) Entry(YNeg, 4) \
  Entry(ZNeg, 5)
ZALMP_NAMED_ENUMERATION(ZALMPSelectedAxis, ZALMP_SELECTED_AXIS_MEMBERS);
