#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// On which side of the reference a distance is measured: left to the solver, the
/// positive or the negative side.
class ZALMPHalfSpace {
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

  /// The stored name of `halfSpace` ("NotSpecified" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum halfSpace) { return kNames.NameOf(halfSpace); }
  /// The member named `name` exactly; NotSpecified for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
