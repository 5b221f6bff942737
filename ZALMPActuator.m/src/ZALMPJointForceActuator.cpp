#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPJointForceActuator"
#include <ZALMPAssertionReport.h>

#include "ZALMPLoaderCall.h"
#include <ZALIMPJointForceActuatorLoader.h>
#include <ZALMPDegreeOfFreedom.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPJoint.h>
#include <ZALMPJointForceActuator.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPValue.h>

ZALMP_DEFINE_KIND(ZALMPJointForceActuator, ZALMPActuator);

ZALMPJointForceActuator::ZALMPJointForceActuator(const ZALMPJointForceActuator& source)
    : ZALMPActuator(source), m_indexDOF(source.m_indexDOF)
{
}

ZALMP_DEFINE_LOADER(ZALMPJointForceActuator, ZALIMPJointForceActuatorLoader);

// The loader hears of an empty force too; the caller still learns it was refused.
HRESULT ZALMPJointForceActuator::SetForce(const RVLSharedHandle<ZALMPValue>& force)
{
  const HRESULT stored = ZALMPSetLink(m_force, force, ZALMP_HERE);
  const HRESULT told = ZALMPTellLoader<ZALIMPJointForceActuatorLoader>(
      *this, [&](ZALIMPJointForceActuatorLoader& loader) { return loader.OnForceChanged(force); }, ZALMP_HERE);
  return FAILED(stored) ? E_FAIL : told;
}

HRESULT ZALMPJointForceActuator::GetForce(RVLSharedHandle<ZALMPValue>& force) const
{
  return ZALMPGetRequiredLink(m_force, force, ZALMP_HERE);
}

HRESULT ZALMPJointForceActuator::SetJoint(const RVLSharedHandle<ZALMPJoint>& joint)
{
  if (joint && joint == m_joint) return S_FALSE;
  if (FAILED(ZALMPSetLink(m_joint, joint, ZALMP_HERE))) return E_FAIL;
  return ZALMPTellLoader<ZALIMPJointForceActuatorLoader>(
      *this, [&](ZALIMPJointForceActuatorLoader& loader) { return loader.OnJointChanged(joint); }, ZALMP_HERE);
}

HRESULT ZALMPJointForceActuator::GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const
{
  return ZALMPGetRequiredLink(m_joint, joint, ZALMP_HERE);
}

HRESULT ZALMPJointForceActuator::SetIndexDOF(const int& index)
{
  if (!ZALMPIsDegreeOfFreedom(index)) return E_FAIL;
  m_indexDOF = index;
  return S_OK;
}

HRESULT ZALMPJointForceActuator::GetIndexDOF(int& index) const
{
  if (!ZALMPIsDegreeOfFreedom(m_indexDOF)) return E_FAIL;
  index = m_indexDOF;
  return S_OK;
}

// The joint is never asked anything; the force is the actuator's own setting,
// copied along with it by a filtered copy.
ZALMP_DEFINE_LINKS(ZALMPJointForceActuator, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPJointForceActuator::m_force, L"Force",
                                               &ZALMPJointForceActuator::SetForce, ZALMPFilteredCopy::CopiedAlong,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPJointForceActuator::m_joint, L"Joint",
                                               &ZALMPJointForceActuator::SetJoint, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPJointForceActuator::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPActuator>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  ZALMPSerializer* element = out.Element();
  bool written = m_force && SUCCEEDED(ZALMPSerializationServices::Serialize(element, m_force, L"Force"));
  LinkTable().OwnLinks()[1]->Write(*this, element);
  written = ZALMPIsDegreeOfFreedom(m_indexDOF) && out.Value(L"DOFindex", static_cast<std::int32_t>(m_indexDOF)) && written;
  if (written) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPJointForceActuator::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPActuator>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  RVLSharedHandle<ZALMPValue> force;
  bool read = SUCCEEDED(ZALMPSerializationServices::Deserialize(in.Element(), L"Force", ids, force)) &&
              SUCCEEDED(SetForce(force));
  LinkTable().OwnLinks()[1]->Read(*this, in.Element(), ids);
  std::int32_t index = -1;
  read = in.Read(L"DOFindex", index) && SUCCEEDED(SetIndexDOF(index)) && read;
  if (read) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

ZALMP_DEFINE_FIELDS(ZALMPJointForceActuator, &ZALMPActuator::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPJointForceActuator, IndexDOF));
