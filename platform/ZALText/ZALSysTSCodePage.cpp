#include "ZALSysTSCodePage.h"

#include "ZALBase64.h"

HRESULT ZALSysTSCodePage::ConvertToBase64(const void* bytes, int length, std::string& text)
{
  return ZALBase64::Encode(bytes, length, text);
}

HRESULT ZALSysTSCodePage::ConvertFromBase64(std::string_view text, std::vector<unsigned char>& bytes)
{
  return ZALBase64::Decode(text, bytes);
}
