#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// How a circle lies against a torus it coincides with: left to the solver, in a
/// plane parallel or perpendicular to the torus's axis.
class ZALMPCircleTorusOrientation {
public:
  enum Enum : std::int32_t {
    NotSpecified = 0,
    Parallel = 1,
    Perpendicular = 2,
  };

  /// The stored names; "NotSpecified" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 3> kNames{{
      {L"NotSpecified", NotSpecified},
      {L"Parallel", Parallel},
      {L"Perpendicular", Perpendicular},
  }};

  /// The stored name of `orientation` ("NotSpecified" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum orientation) { return kNames.NameOf(orientation); }
  /// The member named `name` exactly; NotSpecified for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
