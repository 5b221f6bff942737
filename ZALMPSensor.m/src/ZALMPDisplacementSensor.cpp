#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPDisplacementSensor"
#include <ZALMPAssertionReport.h>


#include <ZALIMPDisplacementSensorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPDeserializer.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSerializer.h>

ZALMP_DEFINE_KIND(ZALMPDisplacementSensor, ZALMPSensor);

ZALMPDisplacementSensor::ZALMPDisplacementSensor(const ZALMPDisplacementSensor& source)
    : ZALMPSensor(source), m_displacement(source.m_displacement)
{
}

HRESULT ZALMPDisplacementSensor::SetBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return ZALMPSetLink(m_body, body, ZALMP_HERE);
}

HRESULT ZALMPDisplacementSensor::GetBody(RVLSharedHandle<ZALMPBody>& body) const
{
  return ZALMPGetRequiredLink(m_body, body, ZALMP_HERE);
}

HRESULT ZALMPDisplacementSensor::RemoveBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return ZALMPRemoveLink(m_body, body, ZALMP_HERE);
}

// RemoveParent asks the measured body to drop the sensor (its answer is
// RemoveParent's) and lets the body go.
ZALMP_DEFINE_LINKS(ZALMPDisplacementSensor, &ZALMPSensor::LinkTable(), LastPartner,
                   ZALMPLinkTable::One(&ZALMPDisplacementSensor::m_body, L"Body", &ZALMPDisplacementSensor::SetBody,
                                       &ZALMPBody::RemoveDisplacementSensor, ZALMPFilteredCopy::Dropped, ZALMP_HERE));

void ZALMPDisplacementSensor::SetDisplacement(const ZALMathTransformation& displacement)
{
  m_displacement = displacement;
}

void ZALMPDisplacementSensor::GetDisplacement(ZALMathTransformation& displacement) const
{
  displacement = m_displacement;
}

HRESULT ZALMPDisplacementSensor::Update()
{
  return RefreshThrough<ZALIMPDisplacementSensorLoader>(*this, ZALMP_HERE);
}

HRESULT ZALMPDisplacementSensor::Reset()
{
  m_displacement = ZALMathTransformation();
  return S_OK;
}

HRESULT ZALMPDisplacementSensor::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, element, ZALMP_HERE);
  if (!out) return E_FAIL;
  LinkTable().Write(*this, out.Element());
  out.Placement(L"Displacement", m_displacement);
  return S_OK;
}

HRESULT ZALMPDisplacementSensor::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, element, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().Read(*this, in.Element(), ids);
  ZALMathTransformation displacement;
  if (!in.Placement(L"Displacement", displacement)) return E_FAIL;
  SetDisplacement(displacement);
  return S_OK;
}
