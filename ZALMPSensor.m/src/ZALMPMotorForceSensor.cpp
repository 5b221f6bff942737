#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPMotorForceSensor"
#include <ZALMPAssertionReport.h>

#include <ZALIMPMotorForceSensorLoader.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>
#include <ZALMPMotor.h>
#include <ZALMPMotorForceSensor.h>

#include <algorithm>

ZALMP_DEFINE_KIND(ZALMPMotorForceSensor, ZALMPSensor);

ZALMPMotorForceSensor::ZALMPMotorForceSensor(const ZALMPMotorForceSensor& source)
    : ZALMPSensor(source), m_force(source.m_force), m_first(source.m_first), m_second(source.m_second)
{
}

ZALMP_DEFINE_LOADER(ZALMPMotorForceSensor, ZALIMPMotorForceSensorLoader);

HRESULT ZALMPMotorForceSensor::SetMotor(const RVLSharedHandle<ZALMPMotor>& motor)
{
  return ZALMPSetLink(m_motor, motor, ZALMP_HERE);
}

HRESULT ZALMPMotorForceSensor::GetMotor(RVLSharedHandle<ZALMPMotor>& motor) const
{
  return ZALMPGetRequiredLink(m_motor, motor, ZALMP_HERE);
}

HRESULT ZALMPMotorForceSensor::SetForce(double force, const double* first, const double* second)
{
  m_force = force;
  if (first) std::copy_n(first, 3, m_first.begin());
  if (second) std::copy_n(second, 3, m_second.begin());
  return S_OK;
}

HRESULT ZALMPMotorForceSensor::GetForce(double& force, double* first, double* second) const
{
  force = m_force;
  if (first) std::copy(m_first.begin(), m_first.end(), first);
  if (second) std::copy(m_second.begin(), m_second.end(), second);
  return S_OK;
}

HRESULT ZALMPMotorForceSensor::Update()
{
  return RefreshThrough<ZALIMPMotorForceSensorLoader>(*this, ZALMP_HERE, S_FALSE);
}

HRESULT ZALMPMotorForceSensor::Reset()
{
  m_force = 0.0;
  m_first = m_second = {};
  return S_OK;
}

// The motor is never asked anything.
ZALMP_DEFINE_LINKS(ZALMPMotorForceSensor, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPMotorForceSensor::m_motor, L"Motor",
                                               &ZALMPMotorForceSensor::SetMotor, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPMotorForceSensor::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  LinkTable().Write(*this, out.Element());
  out.Number(L"Force", m_force);
  return S_OK;
}

HRESULT ZALMPMotorForceSensor::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().Read(*this, in.Element(), ids);
  double force = 0.0;
  if (in.Read(L"Force", force)) return SetForce(force);
  ZALMP_REPORT();
  return E_FAIL;
}
