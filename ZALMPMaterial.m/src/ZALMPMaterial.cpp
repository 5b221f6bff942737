#define ZALMP_SOURCE_FILE "ZALMPMaterial.m/src/ZALMPMaterial"
#include <ZALMPAssertionReport.h>

#include <ZALMPMaterial.h>

ZALMP_DEFINE_CLASS(ZALMPMaterial, ZALMPEntity);

ZALMPMaterial::ZALMPMaterial() = default;

ZALMPMaterial::ZALMPMaterial(const ZALMPMaterial& source) : ZALMPEntity(source) {}

ZALMPMaterial::~ZALMPMaterial() = default;

HRESULT ZALMPMaterial::Serialize(ZALMPSerializer* parent) const
{
  if (parent) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPMaterial::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap&)
{
  if (parent) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}
