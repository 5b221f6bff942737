#include <ZALMPEntityIdentifier.h>

#include <ZALMPCompactText.h>

#include <algorithm>
#include <new>

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

void ZALMPEntityIdentifier::CopyTo(std::wstring& id) const
{
  switch (m_form) {
  case Form::None: id.clear(); break;
  case Form::Inline: ZALMPCompactText::ToWide({m_inline.data(), m_size}, id); break;
  case Form::Wide: id = *m_wide; break;
  }
}
