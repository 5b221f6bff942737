#pragma once
#include "ZALMPNameTable.h"

/// How the two hinges of an angle meet: left to the solver, parallel or coincident.
#define ZALMP_HINGE_MODE_MEMBERS(Entry) Entry(NotSpecified, 0) Entry(Parallel, 1) Entry(Coincident, 2)
ZALMP_NAMED_ENUMERATION(ZALMPHingeMode, ZALMP_HINGE_MODE_MEMBERS);
