#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Wide texts made bytes where every unit is ASCII, as ids nearly always are:
// for compact texts and for the keys children are looked up by.

// Whether the sixteen wide units at `units` are all ASCII; when so, they are
// written to `bytes`. False where the processor lacks SSE2.
inline bool ZALMPNarrow16([[maybe_unused]] const wchar_t* units, [[maybe_unused]] char* bytes) noexcept
{
#if defined(__SSE2__)
  if constexpr (sizeof(wchar_t) == 4) {
    const auto* in = reinterpret_cast<const __m128i*>(units);
    const __m128i a = _mm_loadu_si128(in);
    const __m128i b = _mm_loadu_si128(in + 1);
    const __m128i c = _mm_loadu_si128(in + 2);
    const __m128i d = _mm_loadu_si128(in + 3);
    const __m128i high = _mm_and_si128(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)), _mm_set1_epi32(~0x7F));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(high, _mm_setzero_si128())) != 0xFFFF) return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes),
                     _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d)));
    return true;
  }
#endif
  return false;
}

// The same for four units: the short ids that most texts written are.
inline bool ZALMPNarrow4([[maybe_unused]] const wchar_t* units, [[maybe_unused]] char* bytes) noexcept
{
#if defined(__SSE2__)
  if constexpr (sizeof(wchar_t) == 4) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units));
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(a, _mm_set1_epi32(~0x7F)), _mm_setzero_si128())) != 0xFFFF)
      return false;
    const int packed = _mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(a, a), _mm_setzero_si128()));
    std::memcpy(bytes, &packed, sizeof packed);
    return true;
  }
#endif
  return false;
}

// Whether the units of `text` are all ASCII; when so, they are written to
// `bytes`. Runs go sixteen units at a time, then four, each last step
// overlapping the one before.
[[gnu::always_inline]] inline bool ZALMPNarrowAscii(std::wstring_view text, char* bytes) noexcept
{
  const std::size_t size = text.size();
  std::size_t i = 0;
  if (size >= 16) {
    while (i + 16 <= size && ZALMPNarrow16(text.data() + i, bytes + i)) i += 16;
    if (i != size && size - i < 16 && ZALMPNarrow16(text.data() + size - 16, bytes + size - 16)) i = size;
  }
  while (i + 4 <= size && ZALMPNarrow4(text.data() + i, bytes + i)) i += 4;
  if (i != size && size >= 4 && size - i < 4 && ZALMPNarrow4(text.data() + size - 4, bytes + size - 4)) i = size;
  std::uint32_t units = 0;
  for (; i < size; ++i) {
    const auto unit = static_cast<std::uint32_t>(text[i]);
    units |= unit;
    bytes[i] = static_cast<char>(unit);
  }
  return units < 0x80;
}
