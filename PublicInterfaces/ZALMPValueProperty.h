#pragma once
#include "ZALMPEntitiesServices.h"
#include "ZALMPLinkList.h"
#include "ZALMPPhysicalQuantity.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMPValue;

/// Declares a numeric property held as a value entity of the owner's world (a
/// constant, or an expression of time): `Set<Name>` refuses an empty handle
/// (reported, E_FAIL) and otherwise holds the value, S_OK; `Get<Name>` gives
/// the value, or E_FAIL (reported) and a null handle when there is none.
#define ZALMP_VALUE_PROPERTY(Name)                              \
  HRESULT Set##Name(const RVLSharedHandle<ZALMPValue>& value); \
  HRESULT Get##Name(RVLSharedHandle<ZALMPValue>& value) const

/// ZALMP_VALUE_PROPERTY with its number forms: `Set<Name>(double)` changes a
/// held constant in place, or else makes a new constant of the property's
/// quantity owned by the entity (filed in its world when it has one) and holds
/// it; `Get<Name>(double&)` reads the held constant (0 and E_FAIL, reported,
/// for an expression or no value).
#define ZALMP_NUMBER_VALUE_PROPERTY(Name) \
  ZALMP_VALUE_PROPERTY(Name);             \
  HRESULT Set##Name(double number);       \
  HRESULT Get##Name(double& number) const

/// Defines ZALMP_VALUE_PROPERTY `Name` of `Class` over its handle `member`.
#define ZALMP_DEFINE_VALUE_PROPERTY(Class, Name, member)                                     \
  HRESULT Class::Set##Name(const RVLSharedHandle<ZALMPValue>& value)                        \
  {                                                                                          \
    return ZALMPSetLink(member, value, ZALMP_HERE);                                          \
  }                                                                                          \
  HRESULT Class::Get##Name(RVLSharedHandle<ZALMPValue>& value) const                        \
  {                                                                                          \
    return ZALMPGetRequiredLink(member, value, ZALMP_HERE);                                  \
  }                                                                                          \
  static_assert(true, "")

/// Defines ZALMP_NUMBER_VALUE_PROPERTY `Name` of `Class` over `member`; new
/// constants get `quantity` (a ZALMPPhysicalQuantity::Enum expression, which
/// may use the object's members).
#define ZALMP_DEFINE_NUMBER_VALUE_PROPERTY(Class, Name, member, quantity)                                  \
  ZALMP_DEFINE_VALUE_PROPERTY(Class, Name, member);                                                       \
  HRESULT Class::Set##Name(double number)                                                                 \
  {                                                                                                        \
    return ZALMPSetNumberValue(                                                                            \
        RVLSharedHandle<ZALMPEntity>(this), member, number,                                               \
        [&](ZALMPPhysicalQuantity::Enum& made) {                                                           \
          made = quantity;                                                                                 \
          return S_OK;                                                                                     \
        },                                                                                                 \
        [this](const RVLSharedHandle<ZALMPValue>& value) { return Set##Name(value); }, ZALMP_HERE);       \
  }                                                                                                        \
  HRESULT Class::Get##Name(double& number) const                                                          \
  {                                                                                                        \
    number = 0.0;                                                                                          \
    RVLSharedHandle<ZALMPValue> value;                                                                     \
    if (SUCCEEDED(Get##Name(value)) && SUCCEEDED(ReadConstantValue(value, number))) return S_OK;          \
    ZALMP_REPORT();                                                                                        \
    return E_FAIL;                                                                                         \
  }                                                                                                        \
  static_assert(true, "")
