#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPJointDOFSensor"
#include <ZALMPAssertionReport.h>

#include <ZALIMPJointDOFSensorLoader.h>
#include <ZALMPDegreeOfFreedom.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPJoint.h>
#include <ZALMPJointDOFSensor.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPJointDOFSensor, ZALMPSensor);

ZALMPJointDOFSensor::ZALMPJointDOFSensor(const ZALMPJointDOFSensor& source)
    : ZALMPSensor(source),
      m_position(source.m_position),
      m_velocity(source.m_velocity),
      m_acceleration(source.m_acceleration),
      m_indexDOF(source.m_indexDOF)
{
}

ZALMP_DEFINE_LOADER(ZALMPJointDOFSensor, ZALIMPJointDOFSensorLoader);

HRESULT ZALMPJointDOFSensor::SetJoint(const RVLSharedHandle<ZALMPJoint>& joint)
{
  return ZALMPSetLink(m_joint, joint, ZALMP_HERE);
}

HRESULT ZALMPJointDOFSensor::GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const
{
  return ZALMPGetRequiredLink(m_joint, joint, ZALMP_HERE);
}

HRESULT ZALMPJointDOFSensor::SetIndexDOF(const int& index)
{
  if (!ZALMPIsDegreeOfFreedom(index)) return E_FAIL;
  m_indexDOF = index;
  return S_OK;
}

HRESULT ZALMPJointDOFSensor::GetIndexDOF(int& index) const
{
  if (!ZALMPIsDegreeOfFreedom(m_indexDOF)) return E_FAIL;
  index = m_indexDOF;
  return S_OK;
}

HRESULT ZALMPJointDOFSensor::Update()
{
  return RefreshThrough<ZALIMPJointDOFSensorLoader>(*this, ZALMP_HERE, S_FALSE);
}

HRESULT ZALMPJointDOFSensor::Reset()
{
  m_indexDOF = 0;
  m_position = m_velocity = m_acceleration = 0.0;
  return S_OK;
}

// The joint is never asked anything.
ZALMP_DEFINE_LINKS(ZALMPJointDOFSensor, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPJointDOFSensor::m_joint, L"Joint", &ZALMPJointDOFSensor::SetJoint,
                                               ZALMPFilteredCopy::Relinked, ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPJointDOFSensor::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  LinkTable().Write(*this, out.Element());
  out.Number(L"Position", m_position);
  out.Number(L"Velocity", m_velocity);
  out.Number(L"Acceleration", m_acceleration);
  if (ZALMPIsDegreeOfFreedom(m_indexDOF) && out.Value(L"DOFindex", static_cast<std::int32_t>(m_indexDOF))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPJointDOFSensor::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().Read(*this, in.Element(), ids);
  in.Read(L"Position", m_position);
  in.Read(L"Velocity", m_velocity);
  in.Read(L"Acceleration", m_acceleration);
  std::int32_t index = -1;
  if (in.Read(L"DOFindex", index) && SUCCEEDED(SetIndexDOF(index))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

ZALMP_DEFINE_FIELDS(ZALMPJointDOFSensor, &ZALMPSensor::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPJointDOFSensor, Position),
                    ZALMP_FIELD_ROW(ZALMPJointDOFSensor, Velocity),
                    ZALMP_FIELD_ROW(ZALMPJointDOFSensor, Acceleration),
                    ZALMP_FIELD_ROW(ZALMPJointDOFSensor, IndexDOF));
