#pragma once
#include "ZALBaseUnknown.h"

/// The interface T of `object`, or null when neither the object nor the
/// object it stands in front of (its implementation, query 0) is a T. No
/// reference is taken for the caller.
template <typename T>
T* ZALSysDynamicCast(ZALBaseUnknown* object)
{
  if (!object) return nullptr;
  if (T* const direct = dynamic_cast<T*>(object)) return direct;
  ZALBaseUnknown* const implementation = object->QueryImplementation(0);
  return implementation && implementation != object ? dynamic_cast<T*>(implementation) : nullptr;
}
