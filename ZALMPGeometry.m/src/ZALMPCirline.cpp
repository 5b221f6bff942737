#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCirline"
#include "ZALMPReport.h"

#include "ZALMPConicCoordinates.h"

#include <ZALMPCirline.h>

ZALMP_DEFINE_KIND(ZALMPCirline, ZALMPGeometry);

ZALMPCirline::ZALMPCirline() = default;

ZALMPCirline::ZALMPCirline(const ZALMPCirline& source) : ZALMPGeometry(source), m_curvature(source.m_curvature) {}

ZALMPCirline::~ZALMPCirline() = default;

HRESULT ZALMPCirline::Serialize(ZALMPSerializer* element) const
{
  return ZALMPConicCoordinates::WriteWithCurvature(*this, ClassName(), element, ZALMP_HERE, m_centre, m_majorDirection,
                                                   m_normal, m_curvature);
}

HRESULT ZALMPCirline::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return ZALMPConicCoordinates::ReadWithCurvature(*this, ClassName(), element, ids, ZALMP_HERE, m_centre,
                                                  m_majorDirection, m_normal, m_curvature);
}

HRESULT ZALMPCirline::SetCenter(const ZALMathPoint& center)
{
  m_centre = center;
  return S_OK;
}

HRESULT ZALMPCirline::GetCenter(ZALMathPoint& center) const
{
  center = m_centre;
  return S_OK;
}

HRESULT ZALMPCirline::SetMajorDirection(const ZALMathVector& majorDirection)
{
  m_majorDirection = majorDirection;
  return S_OK;
}

HRESULT ZALMPCirline::GetMajorDirection(ZALMathVector& majorDirection) const
{
  majorDirection = m_majorDirection;
  return S_OK;
}

HRESULT ZALMPCirline::SetNormal(const ZALMathVector& normal)
{
  m_normal = normal;
  return S_OK;
}

HRESULT ZALMPCirline::GetNormal(ZALMathVector& normal) const
{
  normal = m_normal;
  return S_OK;
}

HRESULT ZALMPCirline::SetCurvature(double curvature)
{
  m_curvature = curvature;
  return S_OK;
}

HRESULT ZALMPCirline::GetCurvature(double& curvature) const
{
  curvature = m_curvature;
  return S_OK;
}
