#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPLine"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

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
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kOrigin, m_line.GetOrigin());
  writer.Vector(names::kDirection, m_line.GetDirection());
  return S_OK;
}

HRESULT ZALMPLine::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  const ZALMathPoint origin = reader.Point(names::kOrigin);
  const ZALMathVector direction = reader.Vector(names::kDirection);
  m_line.SetOrigin(origin);
  m_line.SetDirection(direction);
  return S_OK;
}

HRESULT ZALMPLine::SetLine(const ZALMathLine& line)
{
  m_line = line;
  return S_OK;
}

HRESULT ZALMPLine::GetLine(ZALMathLine& line) const
{
  line = m_line;
  return S_OK;
}
