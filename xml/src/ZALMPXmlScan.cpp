#include "ZALMPXmlScan.h"

const char* ZALMPXmlScan::SkipMoreSpaces(const char* p, const char* end)
{
#if defined(__SSE2__)
  // A line break and its indentation, sixteen bytes at a time.
  while (end - p >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i spaces = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                                        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')),
                                                     _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t'))));
    const auto others = static_cast<unsigned>(~_mm_movemask_epi8(spaces)) & 0xFFFFu;
    if (others) return p + std::countr_zero(others);
    p += 16;
  }
#endif
  constexpr std::uint64_t kEightSpaces = kOnes * ' ';
  while (true) {
    while (*p == '\n' || *p == '\t') ++p;
    if (end - p < 8) break;
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t other = word ^ kEightSpaces;
    if (!other) {
      p += 8;
      continue;
    }
    p += (std::endian::native == std::endian::little ? std::countr_zero(other) : std::countl_zero(other)) / 8;
    if (*p != '\n' && *p != '\t') return p;
  }
  while (Is(*p, kSpace)) ++p;
  return p;
}
