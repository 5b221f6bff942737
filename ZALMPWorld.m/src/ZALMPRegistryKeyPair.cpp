#include "ZALMPRegistryKeyPair.h"

#include <ZALBaseUnknown.h>

#include <cstdint>
#include <tuple>

namespace {

// The position of a key in the key order: null keys first, then non-null keys
// by the address of the object that implements them.
std::tuple<bool, std::uintptr_t> Rank(const ZALBaseUnknown_var& key)
{
  if (!key) return {false, 0};
  return {true, reinterpret_cast<std::uintptr_t>(key->QueryImplementation(0))};
}

}  // namespace

ZALMPRegistryKeyPair::ZALMPRegistryKeyPair(const ZALBaseUnknown_var& key1, const ZALBaseUnknown_var& key2)
    : m_first(Normalize(key1)), m_second(Normalize(key2))
{
}

ZALBaseUnknown_var ZALMPRegistryKeyPair::Normalize(const ZALBaseUnknown_var& key)
{
  if (!key) return key;
  ZALBaseUnknown* const implementer = key->QueryImplementation(0);
  return implementer ? ZALBaseUnknown_var(implementer) : key;
}

bool ZALMPRegistryKeyPair::Order::operator()(const ZALMPRegistryKeyPair& left, const ZALMPRegistryKeyPair& right) const
{
  const std::tuple<bool, std::uintptr_t> leftFirst = Rank(left.m_first);
  const std::tuple<bool, std::uintptr_t> rightFirst = Rank(right.m_first);
  if (leftFirst != rightFirst) return leftFirst < rightFirst;
  return Rank(left.m_second) < Rank(right.m_second);
}
