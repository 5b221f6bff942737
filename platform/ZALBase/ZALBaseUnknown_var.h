#pragma once
#include <cstddef>

class ZALBaseUnknown;

/// Counted handle to a host design object; may be null.
class ZALBaseUnknown_var {
public:
  ZALBaseUnknown_var() = default;
  ZALBaseUnknown_var(std::nullptr_t) {}
  /// Takes a reference to `object` (when not null).
  ZALBaseUnknown_var(ZALBaseUnknown* object);
  ZALBaseUnknown_var(const ZALBaseUnknown_var& other);
  ZALBaseUnknown_var(ZALBaseUnknown_var&& other) noexcept;
  ZALBaseUnknown_var& operator=(const ZALBaseUnknown_var& other);
  ZALBaseUnknown_var& operator=(ZALBaseUnknown_var&& other) noexcept;
  ~ZALBaseUnknown_var();

  ZALBaseUnknown* get() const { return m_object; }
  /// Using a null key calls ThrowErrorNullVar.
  ZALBaseUnknown* operator->() const;
  explicit operator bool() const { return m_object != nullptr; }

  friend bool operator==(const ZALBaseUnknown_var& key, const ZALBaseUnknown* object) { return key.m_object == object; }
  friend bool operator==(const ZALBaseUnknown_var& a, const ZALBaseUnknown_var& b) { return a.m_object == b.m_object; }

  /// Raised when a null key is dereferenced: a programming error of the caller.
  [[noreturn]] static void ThrowErrorNullVar();

private:
  ZALBaseUnknown* m_object = nullptr;
};
