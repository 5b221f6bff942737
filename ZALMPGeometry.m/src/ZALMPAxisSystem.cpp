#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPAxisSystem"
#include <ZALMPAssertionReport.h>

#include "ZALMPCoordinates.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPFieldTable.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

ZALMP_DEFINE_KIND(ZALMPAxisSystem, ZALMPGeometry);

using namespace ZALMPCoordinateNames;

ZALMPAxisSystem::ZALMPAxisSystem(const ZALMPAxisSystem& source) : ZALMPGeometry(source) {}

HRESULT ZALMPAxisSystem::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter writer = ZALMPCoordinates::Begin(*this, element, ZALMP_HERE);
  if (!writer) return E_FAIL;
  writer.Numbers(kOrigin, m_axis.GetOrigin());
  writer.Numbers(kFirstDirection, m_axis.GetFirstDirection());
  writer.Numbers(kSecondDirection, m_axis.GetSecondDirection());
  writer.Numbers(kThirdDirection, m_axis.GetThirdDirection());
  return S_OK;
}

HRESULT ZALMPAxisSystem::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader reader = ZALMPCoordinates::Begin(*this, element, ids, ZALMP_HERE);
  if (!reader) return E_FAIL;
  const ZALMathPoint origin = reader.Point(kOrigin);
  const ZALMathVector first = reader.Vector(kFirstDirection);
  const ZALMathVector second = reader.Vector(kSecondDirection);
  const ZALMathVector third = reader.Vector(kThirdDirection);
  m_axis.SetOrigin(origin);
  m_axis.SetDirections(first, second, third);
  return S_OK;
}

ZALMP_DEFINE_FIELDS(ZALMPAxisSystem, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPAxisSystem, AxisSystem));
