#pragma once
#include "ZALBaseUnknown.h"
#include "ZALBaseUnknown_var.h"

#include <concepts>

/// Counted handle to a host design object of a known type T (derived from
/// ZALBaseUnknown); may be null. It counts exactly as ZALBaseUnknown_var does,
/// of which it is the typed face.
template <typename T>
class ZALBaseUnknownRef : public ZALBaseUnknown_var {
public:
  ZALBaseUnknownRef() = default;
  ZALBaseUnknownRef(std::nullptr_t) {}
  /// Takes a reference to `object` (when not null).
  ZALBaseUnknownRef(T* object) : ZALBaseUnknown_var(object) {}
  /// An up-cast: shares the reference count of `other`.
  template <typename U>
    requires std::convertible_to<U*, T*>
  ZALBaseUnknownRef(const ZALBaseUnknownRef<U>& other) : ZALBaseUnknown_var(other)
  {
  }

  // The base only ever holds a T, so the down-cast is exact.
  T* get() const { return static_cast<T*>(ZALBaseUnknown_var::get()); }
  /// Using a null handle calls ThrowErrorNullVar.
  T* operator->() const
  {
    if (!get()) ThrowErrorNullVar();
    return get();
  }
  T& operator*() const { return *operator->(); }
};
