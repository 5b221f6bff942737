#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPConstraint"
#include <ZALMPAssertionReport.h>

#include <ZALIMPConstraintLoader.h>
#include <ZALMPConstraint.h>
#include <ZALMPGeometry.h>
#include <ZALMPJoint.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSensor.h>
#include <ZALMPVariable.h>

#include <ZALXHContext.h>

ZALMP_DEFINE_CLASS(ZALMPConstraint, ZALMPEntity);

ZALMPConstraint::ZALMPConstraint() = default;

ZALMPConstraint::ZALMPConstraint(const ZALMPConstraint& source) : ZALMPEntity(source) {}

ZALMPConstraint::~ZALMPConstraint() = default;

ZALMP_DEFINE_LOADER(ZALMPConstraint, ZALIMPConstraintLoader);

HRESULT ZALMPConstraint::SetJoint(const RVLSharedHandle<ZALMPJoint>& joint)
{
  m_joint = joint;
  return S_OK;
}

HRESULT ZALMPConstraint::GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const
{
  joint = m_joint;
  return joint ? S_OK : E_FAIL;
}

HRESULT ZALMPConstraint::RemoveJoint(const RVLSharedHandle<ZALMPJoint>& joint)
{
  return ZALMPRemoveLink(m_joint, joint, ZALMP_HERE);
}

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPConstraint, ZALMPGeometry, m_geometries, LinkToGeometry, RemoveGeometry,
                                  GetLinkedGeometryCount, GetLinkedGeometry);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPConstraint, ZALMPVariable, m_variables, LinkToVariable, RemoveVariable,
                                  GetLinkedVariableCount, GetLinkedVariable);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPConstraint, ZALMPSensor, m_sensors, LinkToSensor, RemoveSensor,
                                  GetLinkedSensorCount, GetLinkedSensor);

// RemoveParent asks the joint (then lets it go), then every geometry, variable
// and sensor to drop the constraint; the first failure ends it, else the last
// answer is returned. ClearContainers empties the three lists.
ZALMP_DEFINE_LINKS(ZALMPConstraint, &ZALMPEntity::LinkTable(), LastPartner,
                   ZALMPLinkTable::List(&ZALMPConstraint::m_geometries, L"Geometries", L"Geometry",
                                        &ZALMPConstraint::LinkToGeometry, &ZALMPGeometry::RemoveConstraint,
                                        ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::One(&ZALMPConstraint::m_joint, L"Joint", &ZALMPConstraint::SetJoint,
                                       &ZALMPJoint::RemoveConstraint, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::List(&ZALMPConstraint::m_variables, L"Variables", L"Variable",
                                        &ZALMPConstraint::LinkToVariable, &ZALMPVariable::RemoveConstraint,
                                        ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::List(&ZALMPConstraint::m_sensors, L"Sensors", L"Sensor",
                                        &ZALMPConstraint::LinkToSensor, &ZALMPSensor::RemoveConstraint,
                                        ZALMPFilteredCopy::Dropped, ZALMP_HERE));

HRESULT ZALMPConstraint::Serialize(ZALMPSerializer* element) const
{
  if (!element || FAILED(ZALMPEntity::Serialize(element))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  LinkTable().Write(*this, element);
  return S_OK;
}

HRESULT ZALMPConstraint::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element || FAILED(ZALMPEntity::Deserialize(element, ids))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  LinkTable().Read(*this, element, ids);
  return S_OK;
}

bool ZALMPConstraint::IsSatisfied(double& error)
{
  ZALIMPConstraintLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) {
    ZALMP_REPORT();
    return false;
  }
  return loader && loader->IsSatisfied(error);
}

bool ZALMPConstraint::IsSatisfied()
{
  ZALIMPConstraintLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) {
    ZALMP_REPORT();
    return false;
  }
  if (!loader) return false;
  bool satisfied = false;
  if (!ZALXHContext::Run([&] { satisfied = loader->IsSatisfied(); })) return false;
  return satisfied;
}

HRESULT ZALMPConstraint::CurrentValue(int index, double& value, double& secondValue)
{
  ZALIMPConstraintLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return loader ? loader->CurrentValue(index, value, secondValue) : E_FAIL;
}

HRESULT ZALMPConstraint::CurrentValue(double& value)
{
  ZALIMPConstraintLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return loader ? loader->CurrentValue(value) : E_FAIL;
}

HRESULT ZALMPConstraint::CurrentOptions(ZALMPOptionsOrientation& options)
{
  ZALIMPConstraintLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return loader ? loader->CurrentOptions(options) : E_FAIL;
}
