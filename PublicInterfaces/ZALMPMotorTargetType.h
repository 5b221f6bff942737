#pragma once
#include "ZALMPNameTable.h"

/// What a motor drives its variable towards. The codes combine as bits: a
/// motor given a position and then a velocity has 3, read as AccelerationTarget.
#define ZALMP_MOTOR_TARGET_TYPE_MEMBERS(Entry) \
  Entry(NotSpecified, 0) Entry(PositionTarget, 1) Entry(VelocityTarget, 2) Entry(AccelerationTarget, 3)
ZALMP_NAMED_ENUMERATION(ZALMPMotorTargetType, ZALMP_MOTOR_TARGET_TYPE_MEMBERS);
