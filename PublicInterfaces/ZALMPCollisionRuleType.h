#pragma once
#include "ZALMPNameTable.h"

/// How contacts between the collidables of an interaction are treated: by the
/// solver's default, with a reaction, detected without a reaction, or not at all.
#define ZALMP_COLLISION_RULE_TYPE_MEMBERS(Entry) \
  Entry(DefaultCollision, 0) Entry(CollisionReaction, 1) Entry(CollisionNoReaction, 2) Entry(NoCollisionNoReaction, 3)
ZALMP_NAMED_ENUMERATION(ZALMPCollisionRuleType, ZALMP_COLLISION_RULE_TYPE_MEMBERS);
