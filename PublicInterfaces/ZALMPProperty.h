#pragma once
#include <ZALStatus.h>

#include <type_traits>

/// How a property's setter takes its value: numbers by value, the rest by reference.
template <class T>
using ZALMPPropertyArgument = std::conditional_t<std::is_arithmetic_v<T>, T, const T&>;

/// A plain property of a class: `Set<Name>` stores the value in `member` and
/// `Get<Name>` copies it out, both S_OK; nothing is checked, normalised or
/// notified. ZALMP_PROPERTY makes the two virtual, ZALMP_ACCESSORS not.
#define ZALMP_PROPERTY(Type, Name, member) ZALMP_PROPERTY_WITH(virtual, Type, Name, member)
#define ZALMP_ACCESSORS(Type, Name, member) ZALMP_PROPERTY_WITH(, Type, Name, member)
#define ZALMP_PROPERTY_WITH(specifier, Type, Name, member)                          \
  specifier HRESULT Set##Name(ZALMPPropertyArgument<Type> value)                    \
  {                                                                                \
    member = value;                                                                \
    return S_OK;                                                                   \
  }                                                                                \
  specifier HRESULT Get##Name(Type& value) const                                   \
  {                                                                                \
    value = member;                                                                \
    return S_OK;                                                                   \
  }                                                                                \
  static_assert(true, "")

/// A plain property with its member: ZALMP_PROPERTY over a private `member`
/// of type `Type` initialised from the remaining arguments (value-initialised
/// when there are none). Leaves the class in its public section.
#define ZALMP_FIELD(Type, Name, member, ...)  \
public:                                       \
  ZALMP_PROPERTY(Type, Name, member);         \
                                              \
private:                                      \
  Type member{__VA_ARGS__};                   \
                                              \
public:                                       \
  static_assert(true, "")
