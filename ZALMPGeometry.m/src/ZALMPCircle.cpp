#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCircle"
#include <ZALMPAssertionReport.h>

#include "ZALMPCoordinates.h"

#include <ZALMPCircle.h>

#include <ZALMathPlane.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>

ZALMP_DEFINE_KIND(ZALMPCircle, ZALMPGeometry);

using namespace ZALMPCoordinateNames;

ZALMPCircle::ZALMPCircle(const ZALMPCircle& source) : ZALMPGeometry(source) {}

HRESULT ZALMPCircle::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter writer = ZALMPCoordinates::Begin(*this, element, ZALMP_HERE);
  if (!writer) return E_FAIL;
  writer.Numbers(kCentre, m_circle.GetCenter());
  ZALMathVector first;
  ZALMathVector second;
  m_circle.GetDirections(first, second);
  writer.Numbers(kDirection, first.Cross(second));
  writer.Number(kRadius, m_circle.GetRadius());
  return S_OK;
}

HRESULT ZALMPCircle::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader reader = ZALMPCoordinates::Begin(*this, element, ids, ZALMP_HERE);
  if (!reader) return E_FAIL;
  const ZALMathPoint centre = reader.Point(kCentre);
  const ZALMathVector normal = reader.Vector(kDirection);
  const double radius = reader.Number(kRadius);
  // Only the normal is stored, so the plane's own directions span the circle.
  ZALMathVector first;
  ZALMathVector second;
  ZALMathPlane(centre, normal).GetDirections(first, second);
  if (FAILED(m_circle.Set(centre, first, second, radius, 1.0, 0.0))) ZALMP_REPORT();
  return S_OK;
}
