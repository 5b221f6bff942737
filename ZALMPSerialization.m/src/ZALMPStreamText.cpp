#include <ZALMPStreamText.h>

#include <algorithm>
#include <climits>
#include <type_traits>

HRESULT ZALMPStreamText::ToText(const std::vector<unsigned char>& bytes, Encoder encode, std::wstring& text)
{
  text.clear();
  std::string narrow;
  if (bytes.size() > static_cast<std::size_t>(INT_MAX) ||
      FAILED(encode(bytes.data(), static_cast<int>(bytes.size()), narrow)))
    return E_FAIL;
  // One byte to one wide character, taken as unsigned so that no byte widens to a negative character.
  text.resize(narrow.size());
  std::transform(narrow.begin(), narrow.end(), text.begin(),
                 [](char c) { return static_cast<wchar_t>(static_cast<unsigned char>(c)); });
  return S_OK;
}

HRESULT ZALMPStreamText::FromText(std::wstring_view text, Decoder decode, std::vector<unsigned char>& bytes)
{
  bytes.clear();
  // The exact inverse of widening, whatever the locale: a character beyond
  // one byte was never written by ToText.
  std::string narrow(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<std::make_unsigned_t<wchar_t>>(text[i]);
    if (c > UCHAR_MAX) return E_FAIL;
    narrow[i] = static_cast<char>(static_cast<unsigned char>(c));
  }
  if (FAILED(decode(narrow, bytes))) {
    bytes.clear();
    return E_FAIL;
  }
  return S_OK;
}
