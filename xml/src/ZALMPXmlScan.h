#pragma once
#include "ZALMPXmlRawText.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The direct reading's scans of a document's text, shared by the builder and
// the refill of an entity's tree. Every text they read ends in a NUL at `end`.
namespace ZALMPXmlScan {
// Character classes, as the parser sees them: every byte from 0x80 on may
// stand in a name, and a name may start with a letter, '_' or ':'.
inline constexpr std::uint8_t kNameChar = 1;
inline constexpr std::uint8_t kNameStart = 2;
inline constexpr std::uint8_t kSpace = 4;       // without '\r', which the parser would normalise
inline constexpr std::uint8_t kTextStop = 8;    // what a text scan looks at
inline constexpr std::uint8_t kValueStop = 16;  // what an attribute value scan looks at
inline constexpr std::uint8_t kNameMark = 32;   // what a name scan notes

inline constexpr std::array<std::uint8_t, 256> kClasses = [] {
  std::array<std::uint8_t, 256> classes{};
  for (int c = 0x80; c < 0x100; ++c) classes[c] = kNameChar | kNameStart;
  for (int c = 'a'; c <= 'z'; ++c) classes[c] = kNameChar | kNameStart;
  for (int c = 'A'; c <= 'Z'; ++c) classes[c] = kNameChar | kNameStart;
  for (int c = '0'; c <= '9'; ++c) classes[c] = kNameChar;
  classes['-'] = classes['.'] = kNameChar;
  classes['_'] = classes[':'] = kNameChar | kNameStart | kNameMark;
  classes[' '] = classes['\t'] = classes['\n'] = kSpace;
  for (unsigned char c : {'<', '&', '_', '\r', '\0'}) classes[c] |= kTextStop;
  for (unsigned char c : {'"', '\'', '<', '&', '_', '\t', '\n', '\r', '\0'}) classes[c] |= kValueStop;
  return classes;
}();

inline bool Is(char c, std::uint8_t kind) { return (kClasses[static_cast<unsigned char>(c)] & kind) != 0; }

inline constexpr std::uint64_t kOnes = 0x0101010101010101ull;

// The high bit of each byte of `word` below `bound` (<= 0x80), and perhaps of bytes above one.
constexpr std::uint64_t BytesBelow(std::uint64_t word, unsigned char bound)
{
  return (word - kOnes * bound) & ~word & 0x8080808080808080ull;
}

// The first byte from `p` on of class `stop`, which the text's NUL ends at
// the latest. Runs of other bytes go sixteen or eight at a time: any byte
// that may stop a text or value is below 0x28, '<' or '_', and the lowest
// flagged byte is a true one, as bytes are flagged wrongly only above a true one.
[[gnu::always_inline]] inline const char* Find(const char* p, const char* end, std::uint8_t stop)
{
  while (true) {
#if defined(__SSE2__)
    // Sixteen bytes at a time where the processor offers it: the same marks.
    if (end - p >= 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const __m128i low = _mm_cmpeq_epi8(_mm_max_epu8(bytes, _mm_set1_epi8(0x27)), _mm_set1_epi8(0x27));
      const __m128i marks = _mm_or_si128(low, _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('<')),
                                                             _mm_cmpeq_epi8(bytes, _mm_set1_epi8('_'))));
      const int found = _mm_movemask_epi8(marks);
      if (!found) {
        p += 16;
        continue;
      }
      p += std::countr_zero(static_cast<unsigned>(found));
      if (Is(*p, stop)) return p;
      ++p;
      continue;
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
      if (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        const std::uint64_t marks =
            BytesBelow(word, 0x28) | BytesBelow(word ^ (kOnes * '<'), 1) | BytesBelow(word ^ (kOnes * '_'), 1);
        if (!marks) {
          p += 8;
          continue;
        }
        p += std::countr_zero(marks) / 8;
      }
    }
    if (Is(*p, stop)) return p;
    ++p;
  }
}

// Past ' ', '\t' and '\n'; indentation goes sixteen bytes or eight spaces at a time.
// Kept out of line, so that the test before it inlines wherever spaces may stand.
[[gnu::noinline]] const char* SkipMoreSpaces(const char* p, const char* end);

inline const char* SkipSpaces(const char* p, const char* end) { return Is(*p, kSpace) ? SkipMoreSpaces(p, end) : p; }

// Whether the `length` bytes at `a` and `b` agree; `a` may be read eight bytes on.
inline bool SameBytes(const char* a, const char* b, std::size_t length, const char* end)
{
  if (length <= 8 && end - a >= 8 && end - b >= 8) {
    std::uint64_t x;
    std::uint64_t y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    const std::uint64_t keep = length == 8                                     ? ~0ull
                               : std::endian::native == std::endian::little ? (1ull << (8 * length)) - 1
                                                                            : ~(~0ull >> (8 * length));
    return ((x ^ y) & keep) == 0;
  }
  return std::memcmp(a, b, length) == 0;
}

// Past the name `name` at `p`, where a tag's name starts; null when another
// name stands there.
[[gnu::always_inline]] inline const char* PastName(const char* p, const char* end, std::string_view name)
{
  const std::size_t length = name.size();
  if (static_cast<std::size_t>(end - p) < length || !SameBytes(p, name.data(), length, end) ||
      Is(p[length], kNameChar))
    return nullptr;
  return p + length;
}

// From `p`, just after "</": past the name `name`, spaces and '>'; null when
// the end tag there is not that one. Inlined: it reads every end tag.
[[gnu::always_inline]] inline const char* PastEndTag(const char* p, const char* end, std::string_view name)
{
  p = PastName(p, end, name);
  if (!p) return nullptr;
  p = SkipSpaces(p, end);
  return *p == '>' ? p + 1 : nullptr;
}

// The '<' that ends the text from `text` on, when that text is one a leaf
// holds as it stands: no reference, no escape, nothing the direct reading
// gives up on; null otherwise.
[[gnu::always_inline]] inline const char* PlainTextEnd(const char* text, const char* end)
{
  for (const char* p = text;; ++p) {
    p = Find(p, end, kTextStop);
    if (*p == '<') return p;
    if (*p != '_' || p[1] == 'x') return nullptr;
  }
}

// An attribute value from `p`, just after its opening `quote`, to the
// closing one; what it holds is noted in `raw`. Null when it holds what
// the parser would convert (whitespace other than ' ') or the text ends.
inline const char* Value(const char* p, const char* end, char quote, ZALMPXmlRawText& raw)
{
  const char* const start = p;
  for (;; ++p) {
    p = Find(p, end, kValueStop);
    const char c = *p;
    if (c == quote) break;
    if (c == '&') {
      raw.reference = true;
    } else if (c == '_') {
      raw.escape = raw.escape || p[1] == 'x';
    } else if (c == '<') {
      if (!raw.lessThan) raw.lessThan = p;
    } else if (c != '"' && c != '\'') {
      return nullptr;
    }
  }
  raw.text = std::string_view(start, static_cast<std::size_t>(p - start));
  return p;
}
}  // namespace ZALMPXmlScan
