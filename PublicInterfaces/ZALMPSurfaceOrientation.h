#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// Which side of a surface a tangency touches: left to the solver, along or against
/// the surface's normal.
class ZALMPSurfaceOrientation {
public:
  enum Enum : std::int32_t {
    NotSpecified = 0,
    Positive = 1,
    Negative = 2,
  };

  /// The stored names; "NotSpecified" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 3> kNames{{
      {L"NotSpecified", NotSpecified},
      {L"Positive", Positive},
      {L"Negative", Negative},
  }};

  /// The stored name of `orientation` ("NotSpecified" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum orientation) { return kNames.NameOf(orientation); }
  /// The member named `name` exactly; NotSpecified for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
