#define ZALMP_SOURCE_FILE "ZALMPValue.m/src/ZALMPConstant"
#include "ZALMPReport.h"

#include <ZALIMPConstantLoader.h>
#include <ZALMPConstant.h>
#include <ZALMPDeserializer.h>
#include <ZALMPSerializer.h>

ZALMP_DEFINE_CLASS(ZALMPConstant, ZALMPValue);
ZALMP_REGISTER_CLASS(ZALMPConstant);

ZALMPConstant::ZALMPConstant() = default;

ZALMPConstant::ZALMPConstant(const ZALMPConstant& source) : ZALMPValue(source), m_value(source.m_value) {}

ZALMPConstant::~ZALMPConstant() = default;

HRESULT ZALMPConstant::GetLoader(ZALIMPConstantLoader*& loader) const
{
  if (FAILED(NarrowLoader(loader))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPConstant::SetValue(double value)
{
  m_value = value;
  return S_OK;
}

HRESULT ZALMPConstant::GetValue(double& value) const
{
  value = m_value;
  return S_OK;
}

HRESULT ZALMPConstant::Serialize(ZALMPSerializer* parent) const
{
  ZALMPSerializer* own = nullptr;
  if (FAILED(SerializeOwnElement(parent, own, ZALMP_HERE))) return E_FAIL;
  double value = 0.0;
  ZALMPSerializer* child = nullptr;
  if (FAILED(GetValue(value)) || FAILED(own->AddElement(L"Value", child, value))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPConstant::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPDeserializer* own = nullptr;
  if (FAILED(DeserializeOwnElement(parent, ids, own, ZALMP_HERE))) return E_FAIL;
  double value = 0.0;
  ZALMPDeserializer* child = nullptr;
  // A value that does not convert is reported by the tree.
  if (!own->HasElement(L"Value")) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (FAILED(own->GetElement(L"Value", child, value))) return E_FAIL;
  return SetValue(value);
}
