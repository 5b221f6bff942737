#pragma once
#include "ZALMPNameTable.h"

/// How a spring acts on each side of its rest length: both ways, or free or
/// locked in extension or in compression.
#define ZALMP_SPRING_BEHAVIOR_MEMBERS(Entry) \
  Entry(Bidirectional, 0) Entry(ExtensionFree, 1) Entry(CompressionFree, 2) Entry(ExtensionLock, 3) \
      Entry(CompressionLock, 4)
ZALMP_NAMED_ENUMERATION(ZALMPSpringBehavior, ZALMP_SPRING_BEHAVIOR_MEMBERS);
