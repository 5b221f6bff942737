#include "ZALMPShapeStream.h"

#include <ZALMPStreamText.h>

#include <MYRSysConverter.h>

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

HRESULT ZALMPShapeStream::Read(const ZALMPFieldReader& in, std::vector<unsigned char>& bytes)
{
  bytes.clear();
  if (!in) return E_FAIL;
  // Decoded as the tree keeps it, without a wide copy: an ASCII text, as
  // Base64 is, is its own narrowed form, and the converter refuses any byte
  // beyond ASCII as it refuses any character that is no Base64 once narrowed.
  // A missing or wrong attribute is reported as reading it wide reports it.
  std::string_view encoded;
  if (FAILED(in.Element()->GetAttributeEncoded(kStream, encoded))) {
    in.Report();
    return E_FAIL;
  }
  if (FAILED(MYRSysConverter::ConvertFromBase64(encoded, bytes)) || bytes.empty()) {
    bytes.clear();
    in.Report();
    return E_FAIL;
  }
  return S_OK;
}
