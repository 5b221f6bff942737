#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCylinder"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPCylinder.h>

ZALMP_DEFINE_KIND(ZALMPCylinder, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPCylinder::ZALMPCylinder() = default;

ZALMPCylinder::ZALMPCylinder(const ZALMPCylinder& source) : ZALMPGeometry(source), m_radius(source.m_radius) {}

ZALMPCylinder::~ZALMPCylinder() = default;

HRESULT ZALMPCylinder::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kOrigin, m_origin);
  writer.Vector(names::kDirection, m_axis);
  writer.Number(names::kRadius, m_radius);
  return S_OK;
}

HRESULT ZALMPCylinder::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_origin = reader.Point(names::kOrigin);
  m_axis = reader.Direction(names::kDirection);
  m_radius = reader.Number(names::kRadius);
  return S_OK;
}

HRESULT ZALMPCylinder::SetOrigin(const ZALMathPoint& origin)
{
  m_origin = origin;
  return S_OK;
}

HRESULT ZALMPCylinder::GetOrigin(ZALMathPoint& origin) const
{
  origin = m_origin;
  return S_OK;
}

HRESULT ZALMPCylinder::SetAxis(const ZALMathVector& axis)
{
  m_axis = axis;
  return S_OK;
}

HRESULT ZALMPCylinder::GetAxis(ZALMathVector& axis) const
{
  axis = m_axis;
  return S_OK;
}

HRESULT ZALMPCylinder::SetRadius(double radius)
{
  m_radius = radius;
  return S_OK;
}

HRESULT ZALMPCylinder::GetRadius(double& radius) const
{
  radius = m_radius;
  return S_OK;
}
