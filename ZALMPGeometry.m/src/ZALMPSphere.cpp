#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPSphere"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPSphere.h>

ZALMP_DEFINE_KIND(ZALMPSphere, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPSphere::ZALMPSphere() = default;

ZALMPSphere::ZALMPSphere(const ZALMPSphere& source) : ZALMPGeometry(source), m_radius(source.m_radius) {}

ZALMPSphere::~ZALMPSphere() = default;

HRESULT ZALMPSphere::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kCentre, m_centre);
  writer.Number(names::kRadius, m_radius);
  return S_OK;
}

HRESULT ZALMPSphere::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_centre = reader.Point(names::kCentre);
  m_radius = reader.Number(names::kRadius);
  return S_OK;
}

HRESULT ZALMPSphere::SetCenter(const ZALMathPoint& center)
{
  m_centre = center;
  return S_OK;
}

HRESULT ZALMPSphere::GetCenter(ZALMathPoint& center) const
{
  center = m_centre;
  return S_OK;
}

HRESULT ZALMPSphere::SetRadius(double radius)
{
  m_radius = radius;
  return S_OK;
}

HRESULT ZALMPSphere::GetRadius(double& radius) const
{
  radius = m_radius;
  return S_OK;
}
