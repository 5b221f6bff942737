#define ZALMP_SOURCE_FILE "ZALMPValue.m/src/ZALMPString"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPString.h>

#include <string>
#include <utility>

ZALMP_DEFINE_KIND(ZALMPString, ZALMPValue);

ZALMPString::ZALMPString(const ZALMPString& source) : ZALMPValue(source), m_value(source.m_value) {}

HRESULT ZALMPString::SetValue(ZALUnicodeString value)
{
  m_value = std::move(value);
  return S_OK;
}

HRESULT ZALMPString::GetValue(ZALUnicodeString& value) const
{
  value = m_value;
  return S_OK;
}

HRESULT ZALMPString::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPValue>(*this, parent, ZALMP_HERE);
  ZALUnicodeString value;
  if (!out || FAILED(GetValue(value))) return E_FAIL;
  return out.Value(L"Value", std::wstring_view(value.ConvertToWChar())) ? S_OK : E_FAIL;
}

HRESULT ZALMPString::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPValue>(*this, parent, ids, ZALMP_HERE);
  std::wstring text;
  if (!in || !in.Read(L"Value", text)) return E_FAIL;
  return SetValue(ZALUnicodeString(std::move(text)));
}
