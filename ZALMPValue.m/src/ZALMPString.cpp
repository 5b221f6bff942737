#define ZALMP_SOURCE_FILE "ZALMPValue.m/src/ZALMPString"
#include "ZALMPReport.h"

#include <ZALMPDeserializer.h>
#include <ZALMPSerializer.h>
#include <ZALMPString.h>

#include <string>
#include <utility>

ZALMP_DEFINE_CLASS(ZALMPString, ZALMPValue);
ZALMP_REGISTER_CLASS(ZALMPString);

ZALMPString::ZALMPString() = default;

ZALMPString::ZALMPString(const ZALMPString& source) : ZALMPValue(source), m_value(source.m_value) {}

ZALMPString::~ZALMPString() = default;

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
  ZALMPSerializer* own = nullptr;
  if (FAILED(SerializeOwnElement(parent, own, ZALMP_HERE))) return E_FAIL;
  ZALUnicodeString value;
  if (FAILED(GetValue(value))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return WriteValueText(own, std::wstring_view(value.ConvertToWChar()), ZALMP_HERE);
}

HRESULT ZALMPString::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPDeserializer* own = nullptr;
  if (FAILED(DeserializeOwnElement(parent, ids, own, ZALMP_HERE))) return E_FAIL;
  std::wstring text;
  if (FAILED(ReadValueText(own, text, ZALMP_HERE))) return E_FAIL;
  return SetValue(ZALUnicodeString(std::move(text)));
}
