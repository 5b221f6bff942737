#pragma once
// The typed half of a field description, included by ZALMPFieldTable.h: the
// owner's Get and Set operations and the value's codec. Everything that does
// not depend on the types is in ZALMPField.

#include "ZALMPFieldCodec.h"
#include "ZALMPFieldTable.h"

#include <cstddef>
#include <type_traits>

/// A field of `Owner` of type `T`, read through `getter` (`HRESULT (T&) const`,
/// or `T () const`, which always succeeds) and written through `setter`
/// (std::nullptr_t: read only).
template <class Owner, class T, class Getter, class Setter>
class ZALMPFieldRow final : public ZALMPField {
public:
  using Codec = ZALMPFieldCodec<T>;
  static constexpr bool kWritable = !std::is_same_v<Setter, std::nullptr_t>;

  ZALMPFieldRow(std::wstring_view name, Getter get, Setter set, ZALMPSourceLocation where)
      : ZALMPField(name, where), m_get(get), m_set(set)
  {
  }

  ZALMPFieldType::Enum Type() const override { return Codec::kType; }
  std::vector<std::wstring_view> EnumerationNames() const override
  {
    if constexpr (Codec::kType == ZALMPFieldType::Enumeration)
      return Codec::MemberNames();
    else
      return {};
  }
  bool IsWritable() const override { return kWritable; }

  HRESULT Get(const ZALMPEntity& entity, ZALMPFieldValue& value) const override
  {
    const Owner& owner = static_cast<const Owner&>(entity);
    T got{};
    HRESULT status = S_OK;
    if constexpr (std::is_invocable_v<Getter, const Owner&, T&>)
      status = (owner.*m_get)(got);
    else
      got = (owner.*m_get)();
    value = Codec::ToValue(FAILED(status) ? T{} : got);
    return status;
  }

  HRESULT Set(ZALMPEntity& entity, const ZALMPFieldValue& value) const override
  {
    if constexpr (!kWritable) {
      return S_FALSE;
    } else {
      T wanted{};
      if (!Codec::FromValue(value, wanted)) {
        Report();
        return E_FAIL;
      }
      Owner& owner = static_cast<Owner&>(entity);
      if constexpr (std::is_void_v<decltype((owner.*m_set)(wanted))>) {
        (owner.*m_set)(wanted);
        return S_OK;
      } else {
        return (owner.*m_set)(wanted);
      }
    }
  }

private:
  Getter m_get;
  Setter m_set;
};

template <class Owner, class T, class Setter>
std::unique_ptr<const ZALMPField> ZALMPFieldTable::Field(std::wstring_view name, HRESULT (Owner::*get)(T&) const,
                                                         Setter set, ZALMPSourceLocation where)
{
  return std::make_unique<ZALMPFieldRow<Owner, T, HRESULT (Owner::*)(T&) const, Setter>>(name, get, set, where);
}

template <class Owner, class T, class Setter>
std::unique_ptr<const ZALMPField> ZALMPFieldTable::Field(std::wstring_view name, T (Owner::*get)() const, Setter set,
                                                         ZALMPSourceLocation where)
{
  return std::make_unique<ZALMPFieldRow<Owner, T, T (Owner::*)() const, Setter>>(name, get, set, where);
}
