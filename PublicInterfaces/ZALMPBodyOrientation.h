#pragma once
#include "ZALMPNameTable.h"

/// How a joint sees one of its bodies: the body leaving the joint or entering it.
#define ZALMP_BODY_ORIENTATION_MEMBERS(Entry) Entry(Out, 0) Entry(In, 1)
ZALMP_NAMED_ENUMERATION(ZALMPBodyOrientation, ZALMP_BODY_ORIENTATION_MEMBERS);
