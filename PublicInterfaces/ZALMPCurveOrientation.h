#pragma once
#include "ZALMPNameTable.h"

/// Which way a curve runs through one of its segments: as the segment's
/// modeller curve runs, or against it.
#define ZALMP_CURVE_ORIENTATION_MEMBERS(Entry) Entry(Positive, 0) Entry(Negative, 1)
ZALMP_NAMED_ENUMERATION(ZALMPCurveOrientation, ZALMP_CURVE_ORIENTATION_MEMBERS);
