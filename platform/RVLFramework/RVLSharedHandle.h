#pragma once
#include "RVLCountedObject.h"
#include "RVLSharedBase.h"

#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

/// Counted handle to a framework object. Widening to a base class is implicit;
/// narrowing is explicit, checks the referent's class and raises RVLEInvalidCast
/// when the referent is not of the target class.
template <class T>
class RVLSharedHandle : private RVLSharedBase {
public:
  using element_type = T;

  RVLSharedHandle() noexcept = default;
  RVLSharedHandle(std::nullptr_t) noexcept {}
  /// Takes a reference to `object`.
  explicit RVLSharedHandle(T* object) noexcept : m_object(object) { AcquireReference(Counted(m_object)); }

  RVLSharedHandle(const RVLSharedHandle& other) noexcept : RVLSharedHandle(other.m_object) {}
  RVLSharedHandle(RVLSharedHandle&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}

  template <class U>
    requires std::is_convertible_v<U*, T*>
  RVLSharedHandle(const RVLSharedHandle<U>& other) noexcept : RVLSharedHandle(static_cast<T*>(other.get()))
  {
  }

  template <class U>
    requires std::is_convertible_v<U*, T*>
  RVLSharedHandle(RVLSharedHandle<U>&& other) noexcept : m_object(other.detach())
  {
  }

  /// Checked narrowing: a null source gives a null handle.
  template <class U>
    requires(!std::is_convertible_v<U*, T*> && std::is_polymorphic_v<U>)
  explicit RVLSharedHandle(const RVLSharedHandle<U>& other) : RVLSharedHandle(Narrow(other.get()))
  {
  }

  ~RVLSharedHandle() { ReleaseReference(Counted(m_object)); }

  RVLSharedHandle& operator=(RVLSharedHandle other) noexcept
  {
    std::swap(m_object, other.m_object);
    return *this;
  }

  /// Narrows without raising: null when the referent is not of class T.
  template <class U>
  static RVLSharedHandle TryNarrow(const RVLSharedHandle<U>& other) noexcept
  {
    return RVLSharedHandle(dynamic_cast<T*>(other.get()));
  }

  T* get() const noexcept { return m_object; }
  T* operator->() const noexcept { return m_object; }
  T& operator*() const noexcept { return *m_object; }
  explicit operator bool() const noexcept { return m_object != nullptr; }

  /// True while the referent exists and has not been orphaned.
  bool IsAlive() const noexcept { return IsReferentAlive(Counted(m_object)); }

  /// Lets go of the referent; the handle becomes null.
  void Release() noexcept
  {
    RVLSharedHandle released;
    std::swap(m_object, released.m_object);
  }

  /// Gives up the reference without dropping it; for handle conversions only.
  T* detach() noexcept { return std::exchange(m_object, nullptr); }

  template <class U>
  bool operator==(const RVLSharedHandle<U>& other) const noexcept
  {
    return Counted(m_object) == RVLSharedHandle<U>::Counted(other.get());
  }
  bool operator==(std::nullptr_t) const noexcept { return m_object == nullptr; }

  static const RVLCountedObject* Counted(const T* object) noexcept { return object; }

private:
  template <class U>
  static T* Narrow(U* source)
  {
    if (!source) return nullptr;
    T* target = dynamic_cast<T*>(source);
    if (!target) ThrowInvalidCast(ClassNameOf(source), ClassNameOf<T>());
    return target;
  }

  // Framework objects know their class name; other types have none to give.
  template <class U>
  static const char* ClassNameOf(const U* object)
  {
    if constexpr (requires { object->getClassName(); })
      return object->getClassName();
    else
      return nullptr;
  }
  template <class U>
  static const char* ClassNameOf()
  {
    if constexpr (requires { U::ClassName(); })
      return U::ClassName();
    else
      return nullptr;
  }

  T* m_object = nullptr;
};

/// A handle to an object that the holder only reads.
template <class T>
using RVLSharedConstPointer = RVLSharedHandle<const T>;

template <class T>
struct std::hash<RVLSharedHandle<T>> {
  std::size_t operator()(const RVLSharedHandle<T>& handle) const noexcept
  {
    return std::hash<const RVLCountedObject*>()(RVLSharedHandle<T>::Counted(handle.get()));
  }
};
