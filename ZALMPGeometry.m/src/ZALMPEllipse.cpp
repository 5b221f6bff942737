#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPEllipse"
#include "ZALMPReport.h"

#include "ZALMPConicCoordinates.h"

#include <ZALMPEllipse.h>

ZALMP_DEFINE_KIND(ZALMPEllipse, ZALMPGeometry);

ZALMPEllipse::ZALMPEllipse() = default;

ZALMPEllipse::ZALMPEllipse(const ZALMPEllipse& source)
    : ZALMPGeometry(source), m_majorRadius(source.m_majorRadius), m_minorRadius(source.m_minorRadius)
{
}

ZALMPEllipse::~ZALMPEllipse() = default;

HRESULT ZALMPEllipse::Serialize(ZALMPSerializer* element) const
{
  return ZALMPConicCoordinates::WriteWithRadii(*this, ClassName(), element, ZALMP_HERE, m_centre, m_majorDirection,
                                               m_normal, m_majorRadius, m_minorRadius);
}

HRESULT ZALMPEllipse::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return ZALMPConicCoordinates::ReadWithRadii(*this, ClassName(), element, ids, ZALMP_HERE, m_centre, m_majorDirection,
                                              m_normal, m_majorRadius, m_minorRadius);
}

HRESULT ZALMPEllipse::SetCenter(const ZALMathPoint& center)
{
  m_centre = center;
  return S_OK;
}

HRESULT ZALMPEllipse::GetCenter(ZALMathPoint& center) const
{
  center = m_centre;
  return S_OK;
}

HRESULT ZALMPEllipse::SetMajorDirection(const ZALMathVector& majorDirection)
{
  m_majorDirection = majorDirection;
  return S_OK;
}

HRESULT ZALMPEllipse::GetMajorDirection(ZALMathVector& majorDirection) const
{
  majorDirection = m_majorDirection;
  return S_OK;
}

HRESULT ZALMPEllipse::SetNormal(const ZALMathVector& normal)
{
  m_normal = normal;
  return S_OK;
}

HRESULT ZALMPEllipse::GetNormal(ZALMathVector& normal) const
{
  normal = m_normal;
  return S_OK;
}

HRESULT ZALMPEllipse::SetMajorRadius(double majorRadius)
{
  m_majorRadius = majorRadius;
  return S_OK;
}

HRESULT ZALMPEllipse::GetMajorRadius(double& majorRadius) const
{
  majorRadius = m_majorRadius;
  return S_OK;
}

HRESULT ZALMPEllipse::SetMinorRadius(double minorRadius)
{
  m_minorRadius = minorRadius;
  return S_OK;
}

HRESULT ZALMPEllipse::GetMinorRadius(double& minorRadius) const
{
  minorRadius = m_minorRadius;
  return S_OK;
}
