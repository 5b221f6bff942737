#define ZALMP_SOURCE_FILE "ZALMPValue.m/src/ZALMPBoolean"
#include "ZALMPReport.h"

#include <ZALMPBoolean.h>
#include <ZALMPDeserializer.h>
#include <ZALMPSerializer.h>

#include <string>
#include <string_view>

ZALMP_DEFINE_CLASS(ZALMPBoolean, ZALMPValue);
ZALMP_REGISTER_CLASS(ZALMPBoolean);

namespace {

// The stored texts; only the exact upper-case "TRUE" reads as true.
constexpr std::wstring_view kTrue = L"TRUE";
constexpr std::wstring_view kFalse = L"FALSE";

}  // namespace

ZALMPBoolean::ZALMPBoolean() = default;

ZALMPBoolean::ZALMPBoolean(const ZALMPBoolean& source) : ZALMPValue(source), m_value(source.m_value) {}

ZALMPBoolean::~ZALMPBoolean() = default;

HRESULT ZALMPBoolean::SetValue(unsigned char value)
{
  m_value = value;
  return S_OK;
}

HRESULT ZALMPBoolean::GetValue(unsigned char& value) const
{
  value = m_value;
  return S_OK;
}

HRESULT ZALMPBoolean::Serialize(ZALMPSerializer* parent) const
{
  ZALMPSerializer* own = nullptr;
  if (FAILED(SerializeOwnElement(parent, own, ZALMP_HERE))) return E_FAIL;
  unsigned char value = 0;
  if (FAILED(GetValue(value))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return WriteValueText(own, value ? kTrue : kFalse, ZALMP_HERE);
}

HRESULT ZALMPBoolean::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPDeserializer* own = nullptr;
  if (FAILED(DeserializeOwnElement(parent, ids, own, ZALMP_HERE))) return E_FAIL;
  std::wstring text;
  if (FAILED(ReadValueText(own, text, ZALMP_HERE))) return E_FAIL;
  return SetValue(text == kTrue ? 1 : 0);
}
