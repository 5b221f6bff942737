#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPLine"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPLine.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

ZALMP_DEFINE_KIND(ZALMPLine, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPLine::ZALMPLine() = default;

ZALMPLine::ZALMPLine(const ZALMPLine& source) : ZALMPGeometry(source) {}

ZALMPLine::~ZALMPLine() = default;

HRESULT ZALMPLine::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter writer = ZALMPCoordinates::Begin(*this, element, ZALMP_HERE);
  if (!writer) return E_FAIL;
  writer.Numbers(names::kOrigin, m_line.GetOrigin());
  writer.Numbers(names::kDirection, m_line.GetDirection());
  return S_OK;
}

HRESULT ZALMPLine::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader reader = ZALMPCoordinates::Begin(*this, element, ids, ZALMP_HERE);
  if (!reader) return E_FAIL;
  const ZALMathPoint origin = reader.Point(names::kOrigin);
  const ZALMathVector direction = reader.Vector(names::kDirection);
  m_line.SetOrigin(origin);
  m_line.SetDirection(direction);
  return S_OK;
}
