#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCylicone"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPCylicone.h>

ZALMP_DEFINE_KIND(ZALMPCylicone, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPCylicone::ZALMPCylicone() = default;

ZALMPCylicone::ZALMPCylicone(const ZALMPCylicone& source)
    : ZALMPGeometry(source), m_angle(source.m_angle), m_radius(source.m_radius)
{
}

ZALMPCylicone::~ZALMPCylicone() = default;

HRESULT ZALMPCylicone::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kOrigin, m_origin);
  writer.Vector(names::kDirection, m_axis);
  writer.Number(names::kAngle, m_angle);
  writer.Number(names::kRadius, m_radius);
  return S_OK;
}

HRESULT ZALMPCylicone::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_origin = reader.Point(names::kOrigin);
  m_axis = reader.Direction(names::kDirection);
  m_angle = reader.Number(names::kAngle);
  m_radius = reader.Number(names::kRadius);
  return S_OK;
}

HRESULT ZALMPCylicone::SetOrigin(const ZALMathPoint& origin)
{
  m_origin = origin;
  return S_OK;
}

HRESULT ZALMPCylicone::GetOrigin(ZALMathPoint& origin) const
{
  origin = m_origin;
  return S_OK;
}

HRESULT ZALMPCylicone::SetAxis(const ZALMathVector& axis)
{
  m_axis = axis;
  return S_OK;
}

HRESULT ZALMPCylicone::GetAxis(ZALMathVector& axis) const
{
  axis = m_axis;
  return S_OK;
}

HRESULT ZALMPCylicone::SetAngle(double angle)
{
  m_angle = angle;
  return S_OK;
}

HRESULT ZALMPCylicone::GetAngle(double& angle) const
{
  angle = m_angle;
  return S_OK;
}

HRESULT ZALMPCylicone::SetRadius(double radius)
{
  m_radius = radius;
  return S_OK;
}

HRESULT ZALMPCylicone::GetRadius(double& radius) const
{
  radius = m_radius;
  return S_OK;
}
