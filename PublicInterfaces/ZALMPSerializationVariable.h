#pragma once
#include "ZALMPSerializationVariant.h"

#include <cstdint>
#include <string>

/// One typed datum of the element tree: an id, the kind of its value and the value.
struct ZALMPSerializationVariable {
  /// The kind of a value, one bit per kind.
  enum Type : std::int32_t { None = 0, Bool = 1, Int = 2, Double = 4, String = 8 };

  std::wstring id;
  Type type = None;
  ZALMPSerializationVariant value;
};
