#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// How the two hinges of an angle meet: left to the solver, parallel or coincident.
class ZALMPHingeMode {
public:
  enum Enum : std::int32_t {
    NotSpecified = 0,
    Parallel = 1,
    Coincident = 2,
  };

  /// The stored names; "NotSpecified" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 3> kNames{{
      {L"NotSpecified", NotSpecified},
      {L"Parallel", Parallel},
      {L"Coincident", Coincident},
  }};

  /// The stored name of `mode` ("NotSpecified" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum mode) { return kNames.NameOf(mode); }
  /// The member named `name` exactly; NotSpecified for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
