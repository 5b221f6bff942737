#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPPlane"
#include <ZALMPAssertionReport.h>

#include "ZALMPCoordinates.h"

#include <ZALMPPlane.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

ZALMP_DEFINE_KIND(ZALMPPlane, ZALMPGeometry);

using namespace ZALMPCoordinateNames;

ZALMPPlane::ZALMPPlane(const ZALMPPlane& source) : ZALMPGeometry(source) {}

HRESULT ZALMPPlane::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter writer = ZALMPCoordinates::Begin(*this, element, ZALMP_HERE);
  if (!writer) return E_FAIL;
  writer.Numbers(kOrigin, m_plane.GetOrigin());
  writer.Numbers(kNormal, m_plane.GetNormal());
  return S_OK;
}

HRESULT ZALMPPlane::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader reader = ZALMPCoordinates::Begin(*this, element, ids, ZALMP_HERE);
  if (!reader) return E_FAIL;
  const ZALMathPoint origin = reader.Point(kOrigin);
  const ZALMathVector normal = reader.Vector(kNormal);
  m_plane = ZALMathPlane(origin, normal);
  return S_OK;
}
