#include <ZALMPEntityIdentifier.h>

#include <algorithm>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

bool ZALMPEntityIdentifier::Assign(std::wstring_view id) noexcept
{
  const auto isAscii = [](wchar_t unit) { return static_cast<std::uint32_t>(unit) < 0x80; };
  const bool ascii = std::all_of(id.begin(), id.end(), isAscii);
  if (ascii && id.size() <= kInline) {
    std::transform(id.begin(), id.end(), m_inline.begin(), [](wchar_t unit) { return static_cast<char>(unit); });
    m_size = static_cast<std::uint8_t>(id.size());
    m_wide.reset();
    m_form = Form::Inline;
    return true;
  }
  try {
    m_wide = std::make_unique<std::wstring>(id);
  } catch (const std::bad_alloc&) {
    return false;
  }
  m_form = Form::Wide;
  return true;
}

// All the inline bytes, used or not, sixteen at a time: a save widens the
// identifier of every partner it writes.
void ZALMPEntityIdentifier::Widen(wchar_t* units) const noexcept
{
  static_assert(kInline % 16 == 0);
#if defined(__SSE2__)
  if constexpr (sizeof(wchar_t) == 4) {
    const __m128i zero = _mm_setzero_si128();
    for (std::size_t i = 0; i < kInline; i += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_inline.data() + i));
      const __m128i low = _mm_unpacklo_epi8(bytes, zero);
      const __m128i high = _mm_unpackhi_epi8(bytes, zero);
      auto* out = reinterpret_cast<__m128i*>(units + i);
      _mm_storeu_si128(out, _mm_unpacklo_epi16(low, zero));
      _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(low, zero));
      _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(high, zero));
      _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(high, zero));
    }
    return;
  }
#endif
  for (std::size_t i = 0; i < kInline; ++i) units[i] = static_cast<wchar_t>(m_inline[i]);
}

void ZALMPEntityIdentifier::CopyTo(std::wstring& id) const
{
  switch (m_form) {
  case Form::None: id.clear(); break;
  case Form::Inline: {
    std::array<wchar_t, kInline> units;
    Widen(units.data());
    id.assign(units.data(), m_size);
    break;
  }
  case Form::Wide: id = *m_wide; break;
  }
}
