#include <ZALMPCompactText.h>

#include "ZALMPAsciiNarrowing.h"

#include <ZALUtf8.h>

#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <memory>
#include <stdexcept>

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

// Whether the sixteen bytes at `bytes` are all ASCII; when so and `units` is
// given, they are written there as wide units. Identifiers and numbers, the
// texts a load converts most, are ASCII; false where the processor lacks SSE2.
bool Ascii16([[maybe_unused]] const char* bytes, [[maybe_unused]] wchar_t* units) noexcept
{
#if defined(__SSE2__)
  const __m128i read = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  if (_mm_movemask_epi8(read) != 0) return false;
  if constexpr (sizeof(wchar_t) == 4) {
    if (units) {
      const __m128i zero = _mm_setzero_si128();
      const __m128i low = _mm_unpacklo_epi8(read, zero);
      const __m128i high = _mm_unpackhi_epi8(read, zero);
      auto* out = reinterpret_cast<__m128i*>(units);
      _mm_storeu_si128(out, _mm_unpacklo_epi16(low, zero));
      _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(low, zero));
      _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(high, zero));
      _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(high, zero));
    }
    return true;
  } else {
    return !units;
  }
#else
  return false;
#endif
}

// Whether the 64 bytes at `bytes` are ASCII.
bool Ascii64(const char* bytes) noexcept
{
#if defined(__SSE2__)
  const auto* at = reinterpret_cast<const __m128i*>(bytes);
  const __m128i any = _mm_or_si128(_mm_or_si128(_mm_loadu_si128(at), _mm_loadu_si128(at + 1)),
                                   _mm_or_si128(_mm_loadu_si128(at + 2), _mm_loadu_si128(at + 3)));
  return _mm_movemask_epi8(any) == 0;
#else
  std::uint64_t any = 0;
  for (int k = 0; k < 8; ++k) {
    std::uint64_t word;
    std::memcpy(&word, bytes + 8 * k, sizeof word);
    any |= word;
  }
  return (any & 0x8080808080808080ull) == 0;
#endif
}

std::allocator<char>& Allocator()
{
  static std::allocator<char> allocator;
  return allocator;
}

// The length of the sequence that `lead` starts, 0 for a continuation byte.
int SequenceLength(unsigned char lead) noexcept
{
  if (lead < 0x80) return 1;
  if (lead < 0xC0) return 0;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF8) return 4;
  if (lead < 0xFC) return 5;
  if (lead < 0xFE) return 6;
  if (lead == 0xFE) return 7;
  return 0;
}

}  // namespace

ZALMPCompactText::ZALMPCompactText(std::string_view bytes) : ZALMPCompactText()
{
  Assign(bytes);
}

ZALMPCompactText::ZALMPCompactText(const ZALMPCompactText& other) : ZALMPCompactText()
{
  Assign(other.View());
}

ZALMPCompactText& ZALMPCompactText::operator=(const ZALMPCompactText& other)
{
  if (this != &other) Assign(other.View());
  return *this;
}

void ZALMPCompactText::Free() noexcept
{
  Allocator().deallocate(HeapData(), HeapSize());
}

void ZALMPCompactText::Release() noexcept
{
  if (m_raw[kInlineCapacity] == kHeapTag) Allocator().deallocate(HeapData(), HeapSize());
  std::memset(m_raw, 0, sizeof m_raw);
}

void ZALMPCompactText::AssignElsewhere(std::string_view bytes)
{
  if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("ZALMPCompactText: text longer than 4 GiB");
  // A text of the same length as the one held on the heap takes its block:
  // a writer reuses its elements for texts such as identifiers, all of one length.
  if (m_raw[kInlineCapacity] == kHeapTag && HeapSize() == bytes.size()) {
    std::memmove(HeapData(), bytes.data(), bytes.size());
    return;
  }
  // `bytes` may view this text's own content: build the new state first.
  unsigned char fresh[sizeof m_raw] = {};
  if (bytes.size() <= kInlineCapacity) {
    if (!bytes.empty()) std::memcpy(fresh, bytes.data(), bytes.size());
    fresh[kInlineCapacity] = static_cast<unsigned char>(bytes.size());
  } else {
    char* block = Allocator().allocate(bytes.size());
    std::memcpy(block, bytes.data(), bytes.size());
    const auto size = static_cast<std::uint32_t>(bytes.size());
    std::memcpy(fresh, &block, sizeof block);
    std::memcpy(fresh + 8, &size, sizeof size);
    fresh[kInlineCapacity] = kHeapTag;
  }
  Release();
  std::memcpy(m_raw, fresh, sizeof m_raw);
}

void ZALMPCompactText::Borrow(std::string_view bytes)
{
  if (bytes.size() <= kInlineCapacity) {
    Assign(bytes);
    return;
  }
  if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("ZALMPCompactText: text longer than 4 GiB");
  Release();
  const char* data = bytes.data();
  const auto size = static_cast<std::uint32_t>(bytes.size());
  std::memcpy(m_raw, &data, sizeof data);
  std::memcpy(m_raw + 8, &size, sizeof size);
  m_raw[kInlineCapacity] = kBorrowedTag;
}

void ZALMPCompactText::AppendUnit(std::string& out, std::uint32_t unit)
{
  if (unit < 0x80) {
    out += static_cast<char>(unit);
    return;
  }
  // Lead byte marker and count of continuation bytes for each length.
  unsigned char lead = 0;
  int extra = 0;
  if (unit < 0x800) {
    lead = 0xC0;
    extra = 1;
  } else if (unit < 0x10000) {
    lead = 0xE0;
    extra = 2;
  } else if (unit < 0x200000) {
    lead = 0xF0;
    extra = 3;
  } else if (unit < 0x4000000) {
    lead = 0xF8;
    extra = 4;
  } else if (unit < 0x80000000) {
    lead = 0xFC;
    extra = 5;
  } else {
    lead = 0xFE;
    extra = 6;
  }
  out += static_cast<char>(lead | (extra == 6 ? 0 : unit >> (6 * extra)));
  for (int k = extra - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((unit >> (6 * k)) & 0x3F));
}

std::uint32_t ZALMPCompactText::NextUnit(std::string_view encoded, std::size_t& pos) noexcept
{
  const auto lead = static_cast<unsigned char>(encoded[pos]);
  const int length = SequenceLength(lead);
  if (length == 1) {
    ++pos;
    return lead;
  }
  if (length == 0 || pos + static_cast<std::size_t>(length) > encoded.size()) {
    ++pos;
    return kReplacement;
  }
  // The lead keeps 7 - length payload bits (none for the 7-byte form).
  std::uint32_t unit = length == 7 ? 0 : lead & (0x7Fu >> length);
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(encoded[pos + static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    unit = (unit << 6) | (next & 0x3F);
  }
  pos += static_cast<std::size_t>(length);
  return unit;
}

bool ZALMPCompactText::IsUtf8Checked(std::string_view bytes) noexcept
{
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  while (i < n) {
    // Plain ASCII, sixty-four, sixteen or eight bytes at a time (a whole
    // document is checked so before its texts are taken as they stand).
    while (i + 64 <= n && Ascii64(bytes.data() + i)) i += 64;
    while (i + 16 <= n && Ascii16(bytes.data() + i, nullptr)) i += 16;
    // The last bytes: the last sixteen again. Everything before `i` is whole
    // sequences, so ASCII there leaves nothing to check.
    if (n - i < 16 && n >= 16 && Ascii16(bytes.data() + n - 16, nullptr)) break;
    while (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, bytes.data() + i, sizeof word);
      if (word & 0x8080808080808080ull) break;
      i += 8;
    }
    if (i == n) break;
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    int extra = 0;
    std::uint32_t unit = 0;
    std::uint32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      unit = lead & 0x1F;
      smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      unit = lead & 0x0F;
      smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      unit = lead & 0x07;
      smallest = 0x10000;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(extra) >= n) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      unit = (unit << 6) | (next & 0x3F);
    }
    if (unit < smallest || unit > 0x10FFFF || (unit >= 0xD800 && unit <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

ZALMPCompactText ZALMPCompactText::FromWide(std::wstring_view text)
{
  ZALMPCompactText encoded;
  encoded.AssignWide(text);
  return encoded;
}

void ZALMPCompactText::AssignWide(std::wstring_view text)
{
  // Ids, the texts written and looked up most, are short and ASCII: narrowed
  // on the stack, then stored at once; over an inline text, its bytes are
  // replaced whole (a small buffer and no copy sized to the text).
  constexpr std::size_t kOnStack = 64;
  const std::size_t size = text.size();
  if (size <= kInlineCapacity && !IsHeap()) {
    char bytes[sizeof m_raw];
    if (ZALMPNarrowAscii(text, bytes)) {
      std::memcpy(m_raw, bytes, kInlineCapacity);
      m_raw[kInlineCapacity] = static_cast<unsigned char>(size);
      return;
    }
  } else if (size <= kOnStack) {
    char bytes[kOnStack];
    if (ZALMPNarrowAscii(text, bytes)) {
      Assign(std::string_view(bytes, size));
      return;
    }
  }
  // The ASCII lead narrowed in place, sixteen units at a time while it lasts.
  std::string bytes(text.size(), '\0');
  std::size_t ascii = 0;
  while (ascii + 16 <= text.size() && ZALMPNarrow16(text.data() + ascii, bytes.data() + ascii)) ascii += 16;
  for (; ascii < text.size() && text[ascii] >= 0 && text[ascii] < 0x80; ++ascii)
    bytes[ascii] = static_cast<char>(text[ascii]);
  bytes.resize(ascii);
  bytes.reserve(text.size() + (text.size() - ascii) * 3);
  for (std::size_t i = ascii; i < text.size(); ++i) AppendUnit(bytes, static_cast<std::uint32_t>(text[i]));
  Assign(bytes);
}

ZALMPCompactText ZALMPCompactText::FromUtf8(std::string_view utf8)
{
  if (IsUtf8(utf8)) return ZALMPCompactText(utf8);
  return FromWide(ZALUtf8ToWide(utf8));
}

std::wstring ZALMPCompactText::ToWide(std::string_view encoded)
{
  std::wstring text;
  ToWide(encoded, text);
  return text;
}

void ZALMPCompactText::ToWide(std::string_view encoded, std::wstring& out)
{
  // Every byte gives at most one unit: sized once, written in place, cut to length.
  out.resize(encoded.size());
  wchar_t* const units = out.data();
  std::size_t length = 0;
  std::size_t pos = 0;
  // Identifiers and numbers are ASCII: sixteen bytes at a time while they are.
  const std::size_t size = encoded.size();
  while (pos + 16 <= size && Ascii16(encoded.data() + pos, units + length)) {
    pos += 16;
    length += 16;
  }
  // An ASCII text's last bytes: its last sixteen again, which overlap what is written.
  if (pos != size && size >= 16 && size - pos < 16 && pos == length && Ascii16(encoded.data() + size - 16, units + size - 16))
    pos = length = size;
  while (pos < size) {
    const auto byte = static_cast<unsigned char>(encoded[pos]);
    if (byte < 0x80) {
      units[length++] = static_cast<wchar_t>(byte);
      ++pos;
    } else {
      units[length++] = static_cast<wchar_t>(NextUnit(encoded, pos));
    }
  }
  out.resize(length);
}
