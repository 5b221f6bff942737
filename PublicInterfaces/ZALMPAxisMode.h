#pragma once
#include "ZALMPNameTable.h"

/// The axes a spatial force sensor gives its force and torque in: the
/// world's, the measured body's, those of the joint or connector measured,
/// or an axis system the caller gives.
#define ZALMP_AXIS_MODE_MEMBERS(Entry) Entry(GlobalFrame, 0) Entry(BodyFrame, 1) Entry(LocalFrame, 2) Entry(AxisSystem, 3)
ZALMP_NAMED_ENUMERATION(ZALMPAxisMode, ZALMP_AXIS_MODE_MEMBERS);
