#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// An axis of a kinematic constraint's frame, with its sense: the negative
/// members point the opposite way.
class ZALMPSelectedAxis {
public:
  enum Enum : std::int32_t {
    X = 0,
    Y = 1,
    Z = 2,
    XNeg = 3,
    YNeg = 4,
    ZNeg = 5,
  };

  /// The stored names; "X" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 6> kNames{{
      {L"X", X},
      {L"Y", Y},
      {L"Z", Z},
      {L"XNeg", XNeg},
      {L"YNeg", YNeg},
      {L"ZNeg", ZNeg},
  }};

  /// The stored name of `axis` ("X" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum axis) { return kNames.NameOf(axis); }
  /// The axis named `name` exactly; X for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
