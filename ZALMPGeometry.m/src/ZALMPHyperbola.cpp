#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPHyperbola"
#include "ZALMPReport.h"

#include "ZALMPConicCoordinates.h"

#include <ZALMPHyperbola.h>

ZALMP_DEFINE_KIND(ZALMPHyperbola, ZALMPGeometry);

ZALMPHyperbola::ZALMPHyperbola() = default;

ZALMPHyperbola::ZALMPHyperbola(const ZALMPHyperbola& source)
    : ZALMPGeometry(source), m_majorRadius(source.m_majorRadius), m_minorRadius(source.m_minorRadius)
{
}

ZALMPHyperbola::~ZALMPHyperbola() = default;

HRESULT ZALMPHyperbola::Serialize(ZALMPSerializer* element) const
{
  return ZALMPConicCoordinates::WriteWithRadii(*this, ClassName(), element, ZALMP_HERE, m_centre, m_majorDirection,
                                               m_normal, m_majorRadius, m_minorRadius);
}

HRESULT ZALMPHyperbola::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return ZALMPConicCoordinates::ReadWithRadii(*this, ClassName(), element, ids, ZALMP_HERE, m_centre, m_majorDirection,
                                              m_normal, m_majorRadius, m_minorRadius);
}

HRESULT ZALMPHyperbola::SetCenter(const ZALMathPoint& center)
{
  m_centre = center;
  return S_OK;
}

HRESULT ZALMPHyperbola::GetCenter(ZALMathPoint& center) const
{
  center = m_centre;
  return S_OK;
}

HRESULT ZALMPHyperbola::SetMajorDirection(const ZALMathVector& majorDirection)
{
  m_majorDirection = majorDirection;
  return S_OK;
}

HRESULT ZALMPHyperbola::GetMajorDirection(ZALMathVector& majorDirection) const
{
  majorDirection = m_majorDirection;
  return S_OK;
}

HRESULT ZALMPHyperbola::SetNormal(const ZALMathVector& normal)
{
  m_normal = normal;
  return S_OK;
}

HRESULT ZALMPHyperbola::GetNormal(ZALMathVector& normal) const
{
  normal = m_normal;
  return S_OK;
}

HRESULT ZALMPHyperbola::SetMajorRadius(double majorRadius)
{
  m_majorRadius = majorRadius;
  return S_OK;
}

HRESULT ZALMPHyperbola::GetMajorRadius(double& majorRadius) const
{
  majorRadius = m_majorRadius;
  return S_OK;
}

HRESULT ZALMPHyperbola::SetMinorRadius(double minorRadius)
{
  m_minorRadius = minorRadius;
  return S_OK;
}

HRESULT ZALMPHyperbola::GetMinorRadius(double& minorRadius) const
{
  minorRadius = m_minorRadius;
  return S_OK;
}
