#include "RVLUUID.h"

std::string RVLUUID::ToText() const
{
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(36);
  for (std::size_t i = 0; i < m_bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
    text += kDigits[m_bytes[i] >> 4];
    text += kDigits[m_bytes[i] & 0xF];
  }
  return text;
}
