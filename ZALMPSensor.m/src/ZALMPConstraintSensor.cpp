#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPConstraintSensor"
#include <ZALMPAssertionReport.h>

#include <ZALMPConstraint.h>
#include <ZALMPConstraintSensor.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>

#include <algorithm>

ZALMP_DEFINE_KIND(ZALMPConstraintSensor, ZALMPSensor);

// What the solver found belongs to the original's model.
ZALMPConstraintSensor::ZALMPConstraintSensor(const ZALMPConstraintSensor& source) : ZALMPSensor(source) {}

HRESULT ZALMPConstraintSensor::SetConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  return ZALMPSetLink(m_constraint, constraint, ZALMP_HERE);
}

HRESULT ZALMPConstraintSensor::GetConstraint(RVLSharedHandle<ZALMPConstraint>& constraint) const
{
  return ZALMPGetRequiredLink(m_constraint, constraint, ZALMP_HERE);
}

HRESULT ZALMPConstraintSensor::SetRedundancyStatus(RedundancyStatus status,
                                                   const RVLSharedVector<ZALMPConstraint>& first,
                                                   const RVLSharedVector<ZALMPConstraint>& second)
{
  m_status = status;
  m_first.insert(m_first.end(), first.begin(), first.end());
  m_second.insert(m_second.end(), second.begin(), second.end());
  return S_OK;
}

HRESULT ZALMPConstraintSensor::GetRedundancyStatus(RedundancyStatus& status, RVLSharedVector<ZALMPConstraint>& first,
                                                   RVLSharedVector<ZALMPConstraint>& second) const
{
  status = m_status;
  first.insert(first.end(), m_first.begin(), m_first.end());
  second.insert(second.end(), m_second.begin(), m_second.end());
  return S_OK;
}

HRESULT ZALMPConstraintSensor::RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  if (!constraint) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  const bool watched = constraint == m_constraint;
  if (watched) m_constraint.Release();
  const auto erase = [&](RVLSharedVector<ZALMPConstraint>& list) {
    const auto found = std::find(list.begin(), list.end(), constraint);
    if (found == list.end()) return false;
    list.erase(found);
    return true;
  };
  const bool inFirst = erase(m_first);
  const bool inSecond = erase(m_second);
  return watched && inFirst && inSecond ? S_OK : S_FALSE;
}

// The constraint is never asked anything: it asks the sensor (RemoveConstraint).
ZALMP_DEFINE_LINKS(ZALMPConstraintSensor, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPConstraintSensor::m_constraint, L"Constraint",
                                               &ZALMPConstraintSensor::SetConstraint, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPConstraintSensor::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  LinkTable().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPConstraintSensor::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().Read(*this, in.Element(), ids);
  return S_OK;
}
