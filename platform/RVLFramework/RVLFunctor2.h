#pragma once
#include <array>
#include <cstring>
#include <functional>

/// A call-back bound to one member function of one object, taking two
/// arguments. Two functors are equal when they bind the same function of the
/// same object, which is how an agent recognises a subscriber it already has.
template <class A1, class A2>
class RVLFunctor2 {
public:
  RVLFunctor2() = default;

  template <class C, class M>
  static RVLFunctor2 Bind(C* object, M method)
  {
    static_assert(sizeof(M) <= sizeof(Key), "member function pointer too large");
    RVLFunctor2 functor;
    functor.m_object = object;
    std::memcpy(functor.m_method.data(), &method, sizeof(M));
    functor.m_call = [object, method](A1 a1, A2 a2) { (object->*method)(a1, a2); };
    return functor;
  }

  void operator()(A1 a1, A2 a2) const
  {
    if (m_call) m_call(a1, a2);
  }
  explicit operator bool() const { return static_cast<bool>(m_call); }

  friend bool operator==(const RVLFunctor2& a, const RVLFunctor2& b)
  {
    return a.m_object == b.m_object && a.m_method == b.m_method;
  }

private:
  using Key = std::array<unsigned char, 2 * sizeof(void*)>;
  const void* m_object = nullptr;
  Key m_method{};
  std::function<void(A1, A2)> m_call;
};
