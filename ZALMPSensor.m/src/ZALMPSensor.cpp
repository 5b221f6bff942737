#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPSensor"
#include <ZALMPAssertionReport.h>

#include <ZALMPSensor.h>

ZALMP_DEFINE_CLASS(ZALMPSensor, ZALMPEntity);

ZALMPSensor::ZALMPSensor() = default;

ZALMPSensor::ZALMPSensor(const ZALMPSensor& source) : ZALMPEntity(source) {}

ZALMPSensor::~ZALMPSensor() = default;

HRESULT ZALMPSensor::Update()
{
  return S_OK;
}

HRESULT ZALMPSensor::Reset()
{
  return S_OK;
}

HRESULT ZALMPSensor::RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  if (!constraint) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPSensor::Serialize(ZALMPSerializer* element) const
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return ZALMPEntity::Serialize(element);
}

HRESULT ZALMPSensor::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return ZALMPEntity::Deserialize(element, ids);
}
