#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPTorus"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPTorus.h>

ZALMP_DEFINE_KIND(ZALMPTorus, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPTorus::ZALMPTorus() = default;

ZALMPTorus::ZALMPTorus(const ZALMPTorus& source)
    : ZALMPGeometry(source), m_majorRadius(source.m_majorRadius), m_minorRadius(source.m_minorRadius)
{
}

ZALMPTorus::~ZALMPTorus() = default;

HRESULT ZALMPTorus::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kCentre, m_centre);
  writer.Vector(names::kNormal, m_normal);
  writer.Number(names::kMajorRadius, m_majorRadius);
  writer.Number(names::kMinorRadius, m_minorRadius);
  return S_OK;
}

HRESULT ZALMPTorus::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_centre = reader.Point(names::kCentre);
  m_normal = reader.Direction(names::kNormal);
  m_majorRadius = reader.Number(names::kMajorRadius);
  m_minorRadius = reader.Number(names::kMinorRadius);
  return S_OK;
}

HRESULT ZALMPTorus::SetCenter(const ZALMathPoint& center)
{
  m_centre = center;
  return S_OK;
}

HRESULT ZALMPTorus::GetCenter(ZALMathPoint& center) const
{
  center = m_centre;
  return S_OK;
}

HRESULT ZALMPTorus::SetNormal(const ZALMathVector& normal)
{
  m_normal = normal;
  return S_OK;
}

HRESULT ZALMPTorus::GetNormal(ZALMathVector& normal) const
{
  normal = m_normal;
  return S_OK;
}

HRESULT ZALMPTorus::SetMajorRadius(double majorRadius)
{
  m_majorRadius = majorRadius;
  return S_OK;
}

HRESULT ZALMPTorus::GetMajorRadius(double& majorRadius) const
{
  majorRadius = m_majorRadius;
  return S_OK;
}

HRESULT ZALMPTorus::SetMinorRadius(double minorRadius)
{
  m_minorRadius = minorRadius;
  return S_OK;
}

HRESULT ZALMPTorus::GetMinorRadius(double& minorRadius) const
{
  minorRadius = m_minorRadius;
  return S_OK;
}
