#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// The plane of a symmetry, named by two axes of its reference frame.
class ZALMPSelectedPlane {
public:
  enum Enum : std::int32_t {
    XY = 0,
    YZ = 1,
    ZX = 2,
  };

  /// The stored names; "XY" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 3> kNames{{
      {L"XY", XY},
      {L"YZ", YZ},
      {L"ZX", ZX},
  }};

  /// The stored name of `plane` ("XY" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum plane) { return kNames.NameOf(plane); }
  /// The member named `name` exactly; XY for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
