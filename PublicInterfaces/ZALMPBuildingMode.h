#pragma once
#include <cstdint>

/// How an entity was built; stored and returned only. 0 is the default.
class ZALMPBuildingMode {
public:
  enum Enum : std::int32_t { Default = 0 };
};
