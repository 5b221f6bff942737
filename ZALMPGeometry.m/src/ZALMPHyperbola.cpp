#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPHyperbola"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPHyperbola.h>

ZALMP_DEFINE_CLASS(ZALMPHyperbola, ZALMPGeometry);
ZALMP_REGISTER_CLASS(ZALMPHyperbola);

namespace names = ZALMPCoordinateNames;

ZALMPHyperbola::ZALMPHyperbola() = default;

ZALMPHyperbola::ZALMPHyperbola(const ZALMPHyperbola& source)
    : ZALMPGeometry(source), m_majorRadius(source.m_majorRadius), m_minorRadius(source.m_minorRadius)
{
}

ZALMPHyperbola::~ZALMPHyperbola() = default;

HRESULT ZALMPHyperbola::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kCentre, m_centre);
  writer.Vector(names::kDirection, m_majorDirection);
  writer.Vector(names::kNormal, m_normal);
  writer.Number(names::kMajorRadius, m_majorRadius);
  writer.Number(names::kMinorRadius, m_minorRadius);
  return S_OK;
}

HRESULT ZALMPHyperbola::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_centre = reader.Point(names::kCentre);
  m_majorDirection = reader.Direction(names::kDirection);
  m_normal = reader.Direction(names::kNormal);
  m_majorRadius = reader.Number(names::kMajorRadius);
  m_minorRadius = reader.Number(names::kMinorRadius);
  return S_OK;
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
