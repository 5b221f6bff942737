#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCone"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPCone.h>

ZALMP_DEFINE_KIND(ZALMPCone, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPCone::ZALMPCone() = default;

ZALMPCone::ZALMPCone(const ZALMPCone& source) : ZALMPGeometry(source), m_angle(source.m_angle) {}

ZALMPCone::~ZALMPCone() = default;

HRESULT ZALMPCone::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kOrigin, m_origin);
  writer.Vector(names::kDirection, m_axis);
  writer.Number(names::kAngle, m_angle);
  return S_OK;
}

HRESULT ZALMPCone::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_origin = reader.Point(names::kOrigin);
  m_axis = reader.Direction(names::kDirection);
  m_angle = reader.Number(names::kAngle);
  return S_OK;
}

HRESULT ZALMPCone::SetOrigin(const ZALMathPoint& origin)
{
  m_origin = origin;
  return S_OK;
}

HRESULT ZALMPCone::GetOrigin(ZALMathPoint& origin) const
{
  origin = m_origin;
  return S_OK;
}

HRESULT ZALMPCone::SetAxis(const ZALMathVector& axis)
{
  m_axis = axis;
  return S_OK;
}

HRESULT ZALMPCone::GetAxis(ZALMathVector& axis) const
{
  axis = m_axis;
  return S_OK;
}

HRESULT ZALMPCone::SetAngle(double angle)
{
  m_angle = angle;
  return S_OK;
}

HRESULT ZALMPCone::GetAngle(double& angle) const
{
  angle = m_angle;
  return S_OK;
}
