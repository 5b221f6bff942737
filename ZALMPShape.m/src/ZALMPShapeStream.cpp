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
  std::wstring text;
  if (!in.Attribute(kStream, text)) return E_FAIL;
  if (FAILED(ZALMPStreamText::FromText(text, &MYRSysConverter::ConvertFromBase64, bytes)) || bytes.empty()) {
    bytes.clear();
    in.Report();
    return E_FAIL;
  }
  return S_OK;
}
