#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCircle"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPCircle.h>

#include <ZALMathPlane.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>

ZALMP_DEFINE_KIND(ZALMPCircle, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPCircle::ZALMPCircle() = default;

ZALMPCircle::ZALMPCircle(const ZALMPCircle& source) : ZALMPGeometry(source) {}

ZALMPCircle::~ZALMPCircle() = default;

HRESULT ZALMPCircle::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter writer = ZALMPCoordinates::Begin(*this, element, ZALMP_HERE);
  if (!writer) return E_FAIL;
  writer.Numbers(names::kCentre, m_circle.GetCenter());
  ZALMathVector first;
  ZALMathVector second;
  m_circle.GetDirections(first, second);
  writer.Numbers(names::kDirection, first.Cross(second));
  writer.Number(names::kRadius, m_circle.GetRadius());
  return S_OK;
}

HRESULT ZALMPCircle::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader reader = ZALMPCoordinates::Begin(*this, element, ids, ZALMP_HERE);
  if (!reader) return E_FAIL;
  const ZALMathPoint centre = reader.Point(names::kCentre);
  const ZALMathVector normal = reader.Vector(names::kDirection);
  const double radius = reader.Number(names::kRadius);
  // Only the normal is stored, so the plane's own directions span the circle.
  ZALMathVector first;
  ZALMathVector second;
  ZALMathPlane(centre, normal).GetDirections(first, second);
  if (FAILED(m_circle.Set(centre, first, second, radius, 1.0, 0.0))) ZALMP_REPORT();
  return S_OK;
}
