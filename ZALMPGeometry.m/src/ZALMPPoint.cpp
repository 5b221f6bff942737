#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPPoint"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPPoint.h>

ZALMP_DEFINE_KIND(ZALMPPoint, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPPoint::ZALMPPoint() = default;

ZALMPPoint::ZALMPPoint(const ZALMPPoint& source) : ZALMPGeometry(source) {}

ZALMPPoint::~ZALMPPoint() = default;

HRESULT ZALMPPoint::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kOrigin, m_point);
  return S_OK;
}

HRESULT ZALMPPoint::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_point = reader.Point(names::kOrigin);
  return S_OK;
}

HRESULT ZALMPPoint::SetPoint(const ZALMathPoint& point)
{
  m_point = point;
  return S_OK;
}

HRESULT ZALMPPoint::GetPoint(ZALMathPoint& point) const
{
  point = m_point;
  return S_OK;
}
