#pragma once
#include <cstdint>
#include <string>

/// One datum of the element tree in each of its four kinds. Only the member
/// that matches the owning variable's type is meaningful; the others keep
/// whatever they held.
struct ZALMPSerializationVariant {
  bool b = false;
  std::int32_t i = -1;
  double d = -1.0;
  std::wstring s;
};
