#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPLine"
#include <ZALMPAssertionReport.h>

#include "ZALMPCoordinates.h"

#include <ZALMPLine.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

ZALMP_DEFINE_KIND(ZALMPLine, ZALMPGeometry);

using namespace ZALMPCoordinateNames;

ZALMPLine::ZALMPLine(const ZALMPLine& source) : ZALMPGeometry(source) {}

HRESULT ZALMPLine::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter writer = ZALMPCoordinates::Begin(*this, element, ZALMP_HERE);
  if (!writer) return E_FAIL;
  writer.Numbers(kOrigin, m_line.GetOrigin());
  writer.Numbers(kDirection, m_line.GetDirection());
  return S_OK;
}

HRESULT ZALMPLine::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader reader = ZALMPCoordinates::Begin(*this, element, ids, ZALMP_HERE);
  if (!reader) return E_FAIL;
  const ZALMathPoint origin = reader.Point(kOrigin);
  const ZALMathVector direction = reader.Vector(kDirection);
  m_line.SetOrigin(origin);
  m_line.SetDirection(direction);
  return S_OK;
}
