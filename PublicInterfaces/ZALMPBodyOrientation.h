#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// How a joint sees one of its bodies: the body leaving the joint or entering it.
class ZALMPBodyOrientation {
public:
  enum Enum : std::int32_t {
    Out = 0,
    In = 1,
  };

  /// The stored names; "Out" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 2> kNames{{
      {L"Out", Out},
      {L"In", In},
  }};

  /// The stored name of `orientation` ("Out" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum orientation) { return kNames.NameOf(orientation); }
  /// The orientation named `name` exactly; Out for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
