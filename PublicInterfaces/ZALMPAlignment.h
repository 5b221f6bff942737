#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// How the directions of the constrained geometries are to lie: left to the solver, merely
/// required, or pointing the same way or opposite ways.
class ZALMPAlignment {
public:
  enum Enum : std::int32_t {
    NotSpecified = 0,
    Specified = 1,
    Align = 2,
    AntiAlign = 3,
  };

  /// The stored names; "NotSpecified" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 4> kNames{{
      {L"NotSpecified", NotSpecified},
      {L"Specified", Specified},
      {L"Align", Align},
      {L"AntiAlign", AntiAlign},
  }};

  /// The stored name of `alignment` ("NotSpecified" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum alignment) { return kNames.NameOf(alignment); }
  /// The member named `name` exactly; NotSpecified for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
