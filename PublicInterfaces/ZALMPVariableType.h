#pragma once
#include "ZALMPNameTable.h"

#include <cstdint>
#include <string_view>

/// Whether the solver may move a variable. Only Controlled changes behaviour:
/// updating a controlled variable also tells its linked constraints, and the
/// world fixes and releases controlled variables through their loaders.
class ZALMPVariableType {
public:
  enum Enum : std::int32_t {
    Free = 0,
    Constant = 1,
    Controlled = 2,
  };

  /// The stored names; "Free" / 0 is the fallback both ways.
  static constexpr ZALMPNameTable<Enum, 3> kNames{{
      {L"Free", Free},
      {L"Constant", Constant},
      {L"Controlled", Controlled},
  }};

  /// The stored name of `type` ("Free" for a number outside the table).
  static constexpr std::wstring_view ToName(Enum type) { return kNames.NameOf(type); }
  /// The type named `name` exactly; Free for any other text.
  static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }
};
