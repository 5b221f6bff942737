#include "ZALUnicodeString.h"

#include "ZALString.h"
#include "ZALUtf8.h"

ZALUnicodeString::ZALUnicodeString(const char* text) : m_text(ZALUtf8ToWide(text ? text : "")) {}

ZALUnicodeString::ZALUnicodeString(const ZALString& text) : m_text(ZALUtf8ToWide(text.str())) {}

std::string ZALUnicodeString::ConvertToChar() const
{
  return ZALWideToUtf8(m_text);
}
