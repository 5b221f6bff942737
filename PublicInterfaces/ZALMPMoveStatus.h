#pragma once
#include "ZALMPNameTable.h"

/// How far a displacement actuator's host got with the move it imposes:
/// nothing asked of it yet, moving, done, or stopped short.
#define ZALMP_MOVE_STATUS_MEMBERS(Entry) Entry(Idle, 0) Entry(Moving, 1) Entry(Reached, 2) Entry(Blocked, 3)
ZALMP_NAMED_ENUMERATION(ZALMPMoveStatus, ZALMP_MOVE_STATUS_MEMBERS);
