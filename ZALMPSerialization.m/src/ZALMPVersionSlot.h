#pragma once
#include <ZALMPVersion.h>

#include <cstdint>
#include <string_view>

// Elements keep their version as one byte: 1 + the position of a known version
// in ZALMPVersion::kAll, or kCustomVersion for any other text, which the
// element then keeps beside its children.
inline constexpr std::uint8_t kCustomVersion = 0;

inline constexpr std::uint8_t VersionSlotOf(std::wstring_view version)
{
  for (std::size_t i = 0; i < ZALMPVersion::kAll.size(); ++i)
    if (ZALMPVersion::kAll[i] == version) return static_cast<std::uint8_t>(i + 1);
  return kCustomVersion;
}

inline constexpr std::wstring_view KnownVersionAt(std::uint8_t slot)
{
  return ZALMPVersion::kAll[static_cast<std::size_t>(slot - 1)];
}

inline constexpr std::uint8_t kNewestVersionSlot = VersionSlotOf(ZALMPVersion::kNewest);
static_assert(kNewestVersionSlot != kCustomVersion);
