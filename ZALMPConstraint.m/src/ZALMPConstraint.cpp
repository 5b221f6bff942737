#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPConstraint"
#include "ZALMPReport.h"

#include <ZALIMPConstraintLoader.h>
#include <ZALMPConstraint.h>
#include <ZALMPGeometry.h>
#include <ZALMPJoint.h>
#include <ZALMPSensor.h>
#include <ZALMPVariable.h>

#include <ZALXHContext.h>

ZALMP_DEFINE_CLASS(ZALMPConstraint, ZALMPEntity);

ZALMPConstraint::ZALMPConstraint() = default;

ZALMPConstraint::ZALMPConstraint(const ZALMPConstraint& source) : ZALMPEntity(source) {}

ZALMPConstraint::~ZALMPConstraint() = default;

HRESULT ZALMPConstraint::GetLoader(ZALIMPConstraintLoader*& loader) const
{
  loader = nullptr;
  ZALIMPEntityLoader* entityLoader = nullptr;
  if (FAILED(ZALMPEntity::GetLoader(entityLoader))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  loader = dynamic_cast<ZALIMPConstraintLoader*>(entityLoader);
  return S_OK;
}

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
  if (!joint) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (!(joint == m_joint)) return S_FALSE;
  m_joint.Release();
  return S_OK;
}

HRESULT ZALMPConstraint::LinkToGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry)
{
  return m_geometries.Add(geometry, ZALMP_HERE);
}

HRESULT ZALMPConstraint::LinkToVariable(const RVLSharedHandle<ZALMPVariable>& variable)
{
  return m_variables.Add(variable, ZALMP_HERE);
}

HRESULT ZALMPConstraint::LinkToSensor(const RVLSharedHandle<ZALMPSensor>& sensor)
{
  return m_sensors.Add(sensor, ZALMP_HERE);
}

HRESULT ZALMPConstraint::GetLinkedGeometry(int index, RVLSharedHandle<ZALMPGeometry>& geometry) const
{
  return m_geometries.Get(index, geometry);
}

HRESULT ZALMPConstraint::GetLinkedVariable(int index, RVLSharedHandle<ZALMPVariable>& variable) const
{
  return m_variables.Get(index, variable);
}

HRESULT ZALMPConstraint::GetLinkedSensor(int index, RVLSharedHandle<ZALMPSensor>& sensor) const
{
  return m_sensors.Get(index, sensor);
}

int ZALMPConstraint::GetLinkedGeometryCount() const
{
  return m_geometries.Count();
}

int ZALMPConstraint::GetLinkedVariableCount() const
{
  return m_variables.Count();
}

int ZALMPConstraint::GetLinkedSensorCount() const
{
  return m_sensors.Count();
}

HRESULT ZALMPConstraint::RemoveGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry)
{
  return m_geometries.Remove(geometry, ZALMP_HERE);
}

HRESULT ZALMPConstraint::RemoveVariable(const RVLSharedHandle<ZALMPVariable>& variable)
{
  return m_variables.Remove(variable, ZALMP_HERE);
}

HRESULT ZALMPConstraint::RemoveSensor(const RVLSharedHandle<ZALMPSensor>& sensor)
{
  return m_sensors.Remove(sensor, ZALMP_HERE);
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
