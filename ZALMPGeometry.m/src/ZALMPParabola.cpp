#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPParabola"
#include "ZALMPReport.h"

#include "ZALMPConicCoordinates.h"

#include <ZALMPParabola.h>

ZALMP_DEFINE_KIND(ZALMPParabola, ZALMPGeometry);

ZALMPParabola::ZALMPParabola() = default;

ZALMPParabola::ZALMPParabola(const ZALMPParabola& source) : ZALMPGeometry(source), m_curvature(source.m_curvature) {}

ZALMPParabola::~ZALMPParabola() = default;

HRESULT ZALMPParabola::Serialize(ZALMPSerializer* element) const
{
  return ZALMPConicCoordinates::WriteWithCurvature(*this, ClassName(), element, ZALMP_HERE, m_centre, m_majorDirection,
                                                   m_normal, m_curvature);
}

HRESULT ZALMPParabola::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return ZALMPConicCoordinates::ReadWithCurvature(*this, ClassName(), element, ids, ZALMP_HERE, m_centre,
                                                  m_majorDirection, m_normal, m_curvature);
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
