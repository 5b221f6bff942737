#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPEllipse"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPEllipse.h>

ZALMP_DEFINE_CLASS(ZALMPEllipse, ZALMPGeometry);
ZALMP_REGISTER_CLASS(ZALMPEllipse);

namespace names = ZALMPCoordinateNames;

ZALMPEllipse::ZALMPEllipse() = default;

ZALMPEllipse::ZALMPEllipse(const ZALMPEllipse& source)
    : ZALMPGeometry(source), m_majorRadius(source.m_majorRadius), m_minorRadius(source.m_minorRadius)
{
}

ZALMPEllipse::~ZALMPEllipse() = default;

HRESULT ZALMPEllipse::Serialize(ZALMPSerializer* element) const
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

HRESULT ZALMPEllipse::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
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
