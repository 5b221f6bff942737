#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPParabola"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPParabola.h>

ZALMP_DEFINE_CLASS(ZALMPParabola, ZALMPGeometry);
ZALMP_REGISTER_CLASS(ZALMPParabola);

namespace names = ZALMPCoordinateNames;

ZALMPParabola::ZALMPParabola() = default;

ZALMPParabola::ZALMPParabola(const ZALMPParabola& source) : ZALMPGeometry(source), m_curvature(source.m_curvature) {}

ZALMPParabola::~ZALMPParabola() = default;

HRESULT ZALMPParabola::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kCentre, m_centre);
  writer.Vector(names::kDirection, m_majorDirection);
  writer.Vector(names::kNormal, m_normal);
  writer.Number(names::kCurvature, m_curvature);
  return S_OK;
}

HRESULT ZALMPParabola::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_centre = reader.Point(names::kCentre);
  m_majorDirection = reader.Direction(names::kDirection);
  m_normal = reader.Direction(names::kNormal);
  m_curvature = reader.Number(names::kCurvature);
  return S_OK;
}

HRESULT ZALMPParabola::SetCenter(const ZALMathPoint& center)
{
  m_centre = center;
  return S_OK;
}

HRESULT ZALMPParabola::GetCenter(ZALMathPoint& center) const
{
  center = m_centre;
  return S_OK;
}

HRESULT ZALMPParabola::SetMajorDirection(const ZALMathVector& majorDirection)
{
  m_majorDirection = majorDirection;
  return S_OK;
}

HRESULT ZALMPParabola::GetMajorDirection(ZALMathVector& majorDirection) const
{
  majorDirection = m_majorDirection;
  return S_OK;
}

HRESULT ZALMPParabola::SetNormal(const ZALMathVector& normal)
{
  m_normal = normal;
  return S_OK;
}

HRESULT ZALMPParabola::GetNormal(ZALMathVector& normal) const
{
  normal = m_normal;
  return S_OK;
}

HRESULT ZALMPParabola::SetCurvature(double curvature)
{
  m_curvature = curvature;
  return S_OK;
}

HRESULT ZALMPParabola::GetCurvature(double& curvature) const
{
  curvature = m_curvature;
  return S_OK;
}
