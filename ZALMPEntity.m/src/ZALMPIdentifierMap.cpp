#include <ZALMPCompactText.h>
#include <ZALMPEntity.h>
#include <ZALMPIdentifierMap.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

ZALMPIdentifierMap::ZALMPIdentifierMap() = default;

ZALMPIdentifierMap::ZALMPIdentifierMap(std::initializer_list<value_type> entries)
{
  reserve(entries.size());
  for (const value_type& entry : entries) {
    const std::uint32_t hash = Hash(entry.first);
    if (Find(entry.first, hash) == end()) Add(std::wstring(entry.first), hash) = entry.second;
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

namespace {

using Text = ZALMPCompactText;

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

std::uint64_t Mix(std::uint64_t hash, std::uint64_t word)
{
  return std::rotl((hash ^ word) * kMultiplier, 29);
}

std::uint32_t Finish(std::uint64_t hash)
{
  hash ^= hash >> 32;
  hash *= kMultiplier;
  return static_cast<std::uint32_t>(hash >> 32);
}

// Whether the wide units of `wide` are the bytes of `ascii` (of the same
// size), sixteen at a time where SSE2 is there, the last sixteen overlapping
// the ones before.
bool SameUnits(std::wstring_view wide, std::string_view ascii)
{
  const std::size_t size = ascii.size();
  std::size_t i = 0;
#if defined(__SSE2__)
  if constexpr (sizeof(wchar_t) == 4) {
    const auto sameBlock = [&](std::size_t at) {
      const __m128i zero = _mm_setzero_si128();
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ascii.data() + at));
      const __m128i low = _mm_unpacklo_epi8(bytes, zero);
      const __m128i high = _mm_unpackhi_epi8(bytes, zero);
      const auto* units = reinterpret_cast<const __m128i*>(wide.data() + at);
      const __m128i same = _mm_and_si128(
          _mm_and_si128(_mm_cmpeq_epi32(_mm_unpacklo_epi16(low, zero), _mm_loadu_si128(units)),
                        _mm_cmpeq_epi32(_mm_unpackhi_epi16(low, zero), _mm_loadu_si128(units + 1))),
          _mm_and_si128(_mm_cmpeq_epi32(_mm_unpacklo_epi16(high, zero), _mm_loadu_si128(units + 2)),
                        _mm_cmpeq_epi32(_mm_unpackhi_epi16(high, zero), _mm_loadu_si128(units + 3))));
      return _mm_movemask_epi8(same) == 0xFFFF;
    };
    for (; i + 16 <= size; i += 16)
      if (!sameBlock(i)) return false;
    if (i != size && size >= 16) return sameBlock(size - 16);
  }
#endif
  for (; i < size; ++i)
    if (wide[i] != static_cast<wchar_t>(static_cast<unsigned char>(ascii[i]))) return false;
  return true;
}

// The entry a slot's 1-based entry number names, or `end` for a free slot.
template <class Entries>
auto EntryOf(Entries& entries, std::uint32_t entry)
{
  return entry == 0 ? entries.end() : entries.begin() + static_cast<std::ptrdiff_t>(entry - 1);
}

bool IsAscii(std::string_view bytes)
{
  const std::size_t size = bytes.size();
  std::uint64_t any = 0;
  if (size >= 8) {
    // the last word overlaps the ones before
    for (std::size_t i = 0; i + 8 <= size; i += 8) any |= Text::LoadWord<std::uint64_t>(bytes.data() + i);
    any |= Text::LoadWord<std::uint64_t>(bytes.data() + size - 8);
  } else {
    for (const char c : bytes) any |= static_cast<unsigned char>(c);
  }
  return (any & 0x8080808080808080ull) == 0;
}

// Writes the low byte of each unit of `units` to `bytes`; true when all are
// ASCII. Sixteen units at a time where SSE2 is there.
bool LowBytes(std::wstring_view units, char* bytes)
{
  std::size_t i = 0;
  std::uint32_t above = 0;
#if defined(__SSE2__)
  if constexpr (sizeof(wchar_t) == 4) {
    const __m128i lowByte = _mm_set1_epi32(0xFF);
    __m128i high = _mm_setzero_si128();
    for (; i + 16 <= units.size(); i += 16) {
      const auto* in = reinterpret_cast<const __m128i*>(units.data() + i);
      const __m128i a = _mm_loadu_si128(in);
      const __m128i b = _mm_loadu_si128(in + 1);
      const __m128i c = _mm_loadu_si128(in + 2);
      const __m128i d = _mm_loadu_si128(in + 3);
      high = _mm_or_si128(high, _mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)));
      const __m128i ab = _mm_packs_epi32(_mm_and_si128(a, lowByte), _mm_and_si128(b, lowByte));
      const __m128i cd = _mm_packs_epi32(_mm_and_si128(c, lowByte), _mm_and_si128(d, lowByte));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes + i), _mm_packus_epi16(ab, cd));
    }
    high = _mm_and_si128(high, _mm_set1_epi32(~0x7F));
    above = _mm_movemask_epi8(_mm_cmpeq_epi8(high, _mm_setzero_si128())) != 0xFFFF;
  }
#endif
  for (; i < units.size(); ++i) {
    const auto unit = static_cast<std::uint32_t>(units[i]);
    above |= unit & ~0x7Fu;
    bytes[i] = static_cast<char>(unit);
  }
  return above == 0;
}

}  // namespace

// Eight bytes at a time, each word mixed in by a multiplication; identifiers
// are some forty characters that differ anywhere.
std::uint32_t ZALMPIdentifierMap::HashAscii(std::string_view bytes) noexcept
{
  const std::size_t size = bytes.size();
  std::uint64_t hash = size * kMultiplier;
  // Words as they lie in memory: the hash is only ever compared within one process.
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) hash = Mix(hash, Text::LoadWord<std::uint64_t>(bytes.data() + i));
  if (i != size) {
    std::uint64_t tail = 0;
    if (size >= 8) {
      tail = Text::LoadWord<std::uint64_t>(bytes.data() + size - 8);  // overlapping the word before
    } else {
      for (std::size_t k = 0; k < size; ++k) tail = tail << 8 | static_cast<unsigned char>(bytes[k]);
    }
    hash = Mix(hash, tail);
  }
  return Finish(hash);
}

std::uint32_t ZALMPIdentifierMap::Hash(std::wstring_view identifier)
{
  // The low bytes, narrowed on the stack for the usual short identifiers.
  constexpr std::size_t kOnStack = 64;
  char onStack[kOnStack];
  std::string onHeap;
  char* bytes = onStack;
  if (identifier.size() > kOnStack) {
    onHeap.resize(identifier.size());
    bytes = onHeap.data();
  }
  const bool ascii = LowBytes(identifier, bytes);
  const std::uint32_t hash = HashAscii(std::string_view(bytes, identifier.size()));
  if (ascii) return hash;
  std::uint64_t units = hash;
  for (const wchar_t unit : identifier) units = Mix(units, static_cast<std::uint32_t>(unit));
  return Finish(units);
}

template <class Same>
std::size_t ZALMPIdentifierMap::Place(std::uint32_t hash, Same same) const noexcept
{
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t place = hash & mask;; place = (place + 1) & mask) {
    const Slot& slot = m_slots[place];
    if (slot.entry == 0 || (slot.hash == hash && same(m_entries[slot.entry - 1].first))) return place;
  }
}

std::size_t ZALMPIdentifierMap::Place(std::wstring_view identifier, std::uint32_t hash) const noexcept
{
  return Place(hash, [&](const std::wstring& key) { return key == identifier; });
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

ZALMPIdentifierMap::mapped_type& ZALMPIdentifierMap::Add(std::wstring&& identifier, std::uint32_t hash)
{
  // The steps that can fail come first: the map is unchanged when one does.
  if (2 * (m_entries.size() + 1) > m_slots.size()) reserve(m_entries.size() + 1 > 8 ? 2 * m_entries.size() : 8);
  const std::size_t place = Place(identifier, hash);
  m_entries.emplace_back(std::move(identifier), mapped_type());
  m_slots[place] = {hash, static_cast<std::uint32_t>(m_entries.size())};
  return m_entries.back().second;
}

ZALMPIdentifierMap::mapped_type& ZALMPIdentifierMap::operator[](const std::wstring& identifier)
{
  const std::uint32_t hash = Hash(identifier);
  if (const iterator found = Find(identifier, hash); found != end()) return found->second;
  return Add(std::wstring(identifier), hash);
}

ZALMPIdentifierMap::mapped_type& ZALMPIdentifierMap::operator[](std::wstring&& identifier)
{
  const std::uint32_t hash = Hash(identifier);
  if (const iterator found = Find(identifier, hash); found != end()) return found->second;
  return Add(std::move(identifier), hash);
}

ZALMPIdentifierMap::iterator ZALMPIdentifierMap::Find(std::wstring_view identifier, std::uint32_t hash)
{
  if (m_slots.empty()) return end();
  return EntryOf(m_entries, m_slots[Place(identifier, hash)].entry);
}

ZALMPIdentifierMap::iterator ZALMPIdentifierMap::find(std::wstring_view identifier)
{
  return m_slots.empty() ? end() : Find(identifier, Hash(identifier));
}

ZALMPIdentifierMap::const_iterator ZALMPIdentifierMap::find(std::wstring_view identifier) const
{
  return const_cast<ZALMPIdentifierMap&>(*this).find(identifier);
}

ZALMPIdentifierMap::const_iterator ZALMPIdentifierMap::findEncoded(std::string_view encoded) const
{
  // An encoded text is ASCII exactly when its wide text is; any other goes the wide way.
  if (!IsAscii(encoded)) {
    thread_local std::wstring wide;
    ZALMPCompactText::ToWide(encoded, wide);
    return find(wide);
  }
  if (m_slots.empty()) return end();
  const std::size_t place = Place(HashAscii(encoded), [&](const std::wstring& key) {
    return key.size() == encoded.size() && SameUnits(key, encoded);
  });
  return EntryOf(m_entries, m_slots[place].entry);
}
