#include <ZALMPEntity.h>
#include <ZALMPIdentifierMap.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

ZALMPIdentifierMap::ZALMPIdentifierMap() = default;

ZALMPIdentifierMap::ZALMPIdentifierMap(std::initializer_list<value_type> entries)
{
  reserve(entries.size());
  for (const value_type& entry : entries) {
    const std::size_t place = Place(entry.first, Hash(entry.first));
    if (m_slots[place].entry == 0) Add(std::wstring(entry.first)) = entry.second;
  }
}

ZALMPIdentifierMap::ZALMPIdentifierMap(const ZALMPIdentifierMap& other) = default;
ZALMPIdentifierMap::ZALMPIdentifierMap(ZALMPIdentifierMap&& other) noexcept = default;
// Entries have constant identifiers: a copy is made apart, then taken.
ZALMPIdentifierMap& ZALMPIdentifierMap::operator=(const ZALMPIdentifierMap& other)
{
  if (this != &other) *this = ZALMPIdentifierMap(other);
  return *this;
}

ZALMPIdentifierMap& ZALMPIdentifierMap::operator=(ZALMPIdentifierMap&& other) noexcept = default;
ZALMPIdentifierMap::~ZALMPIdentifierMap() = default;

// Eight bytes at a time, each word mixed in by a multiplication; identifiers
// are some forty units that differ anywhere.
std::uint32_t ZALMPIdentifierMap::Hash(std::wstring_view identifier) noexcept
{
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  const auto* bytes = reinterpret_cast<const unsigned char*>(identifier.data());
  std::size_t size = identifier.size() * sizeof(wchar_t);
  std::uint64_t hash = size * kMultiplier;
  for (; size >= 8; bytes += 8, size -= 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    hash = std::rotl((hash ^ word) * kMultiplier, 29);
  }
  if (size != 0) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, size);
    hash = std::rotl((hash ^ word) * kMultiplier, 29);
  }
  hash ^= hash >> 32;
  hash *= kMultiplier;
  return static_cast<std::uint32_t>(hash >> 32);
}

std::size_t ZALMPIdentifierMap::Place(std::wstring_view identifier, std::uint32_t hash) const noexcept
{
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t place = hash & mask;; place = (place + 1) & mask) {
    const Slot& slot = m_slots[place];
    if (slot.entry == 0 || (slot.hash == hash && m_entries[slot.entry - 1].first == identifier)) return place;
  }
}

void ZALMPIdentifierMap::reserve(std::size_t count)
{
  const std::size_t slots = std::bit_ceil(std::max<std::size_t>(16, 2 * count));
  if (slots > m_slots.size()) Rehash(slots);
}

void ZALMPIdentifierMap::clear() noexcept
{
  m_entries.clear();
  m_slots.clear();
}

void ZALMPIdentifierMap::Rehash(std::size_t slots)
{
  if (slots > std::size_t{1} << 32) throw std::length_error("ZALMPIdentifierMap: too many identifiers");
  std::vector<Slot> fresh(slots, Slot{0, 0});
  const std::size_t mask = slots - 1;
  for (const Slot& slot : m_slots) {
    if (slot.entry == 0) continue;
    std::size_t place = slot.hash & mask;
    while (fresh[place].entry != 0) place = (place + 1) & mask;
    fresh[place] = slot;
  }
  m_slots = std::move(fresh);
}

ZALMPIdentifierMap::mapped_type& ZALMPIdentifierMap::Add(std::wstring&& identifier)
{
  // The steps that can fail come first: the map is unchanged when one does.
  if (2 * (m_entries.size() + 1) > m_slots.size()) reserve(m_entries.size() + 1 > 8 ? 2 * m_entries.size() : 8);
  const std::uint32_t hash = Hash(identifier);
  const std::size_t place = Place(identifier, hash);
  m_entries.emplace_back(std::move(identifier), mapped_type());
  m_slots[place] = {hash, static_cast<std::uint32_t>(m_entries.size())};
  return m_entries.back().second;
}

ZALMPIdentifierMap::mapped_type& ZALMPIdentifierMap::operator[](const std::wstring& identifier)
{
  if (const iterator found = find(identifier); found != end()) return found->second;
  return Add(std::wstring(identifier));
}

ZALMPIdentifierMap::mapped_type& ZALMPIdentifierMap::operator[](std::wstring&& identifier)
{
  if (const iterator found = find(identifier); found != end()) return found->second;
  return Add(std::move(identifier));
}

ZALMPIdentifierMap::iterator ZALMPIdentifierMap::find(std::wstring_view identifier)
{
  if (m_slots.empty()) return end();
  const Slot& slot = m_slots[Place(identifier, Hash(identifier))];
  return slot.entry == 0 ? end() : m_entries.begin() + static_cast<std::ptrdiff_t>(slot.entry - 1);
}

ZALMPIdentifierMap::const_iterator ZALMPIdentifierMap::find(std::wstring_view identifier) const
{
  return const_cast<ZALMPIdentifierMap&>(*this).find(identifier);
}
