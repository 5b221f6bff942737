#include <ZALMPXmlOutput.h>

#include <algorithm>

void ZALMPXmlOutput::Grow(std::size_t size)
{
  constexpr std::size_t kFirst = 4096;
  const std::size_t used = Size();
  const auto capacity = static_cast<std::size_t>(m_limit - m_data.get());
  const std::size_t grown = std::max({2 * capacity, used + size, kFirst});
  auto fresh = std::make_unique_for_overwrite<char[]>(grown);
  if (used != 0) std::memcpy(fresh.get(), m_data.get(), used);
  m_data = std::move(fresh);
  m_end = m_data.get() + used;
  m_limit = m_data.get() + grown;
}
