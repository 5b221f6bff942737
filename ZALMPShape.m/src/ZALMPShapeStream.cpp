#include "ZALMPShapeStream.h"

#include <ZALMPStreamText.h>

#include <MYRSysConverter.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {
constexpr std::wstring_view kStream = L"stream";
}  // namespace

bool ZALMPShapeStream::Write(const ZALMPFieldWriter& out, const std::vector<unsigned char>& bytes)
{
  std::wstring text;
  if (FAILED(ZALMPStreamText::ToText(bytes, &MYRSysConverter::ConvertToBase64, text))) {
    out.Report();
    return false;
  }
  return out.Attribute(kStream, text);
}

bool ZALMPShapeStream::Has(const ZALMPFieldReader& in)
{
  return in && in.Element()->HasAttribute(kStream);
}

namespace {

// Eight bytes a step: a stream's text runs to kilobytes.
bool IsAscii(std::string_view text)
{
  std::uint64_t highs = 0;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    highs |= word;
  }
  for (; i < text.size(); ++i) highs |= static_cast<unsigned char>(text[i]);
  return (highs & 0x8080808080808080ull) == 0;
}

}  // namespace

HRESULT ZALMPShapeStream::Read(const ZALMPFieldReader& in, std::vector<unsigned char>& bytes)
{
  bytes.clear();
  if (!in) return E_FAIL;
  // An ASCII text, as Base64 is, is its own narrowed form: decoded as the
  // tree keeps it, without a wide copy. A missing or wrong attribute is
  // reported as reading it wide reports it.
  std::string_view encoded;
  if (FAILED(in.Element()->GetAttributeEncoded(kStream, encoded))) {
    in.Report();
    return E_FAIL;
  }
  std::wstring text;
  const HRESULT decoded = IsAscii(encoded) ? MYRSysConverter::ConvertFromBase64(encoded, bytes)
                          : in.Attribute(kStream, text)
                              ? ZALMPStreamText::FromText(text, &MYRSysConverter::ConvertFromBase64, bytes)
                              : E_FAIL;
  if (FAILED(decoded) || bytes.empty()) {
    bytes.clear();
    in.Report();
    return E_FAIL;
  }
  return S_OK;
}
