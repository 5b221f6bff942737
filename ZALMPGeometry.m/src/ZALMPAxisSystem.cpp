#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPAxisSystem"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPAxisSystem.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

ZALMP_DEFINE_KIND(ZALMPAxisSystem, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPAxisSystem::ZALMPAxisSystem() = default;

ZALMPAxisSystem::ZALMPAxisSystem(const ZALMPAxisSystem& source) : ZALMPGeometry(source) {}

ZALMPAxisSystem::~ZALMPAxisSystem() = default;

HRESULT ZALMPAxisSystem::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter writer = ZALMPCoordinates::Begin(*this, element, ZALMP_HERE);
  if (!writer) return E_FAIL;
  writer.Numbers(names::kOrigin, m_axis.GetOrigin());
  writer.Numbers(names::kFirstDirection, m_axis.GetFirstDirection());
  writer.Numbers(names::kSecondDirection, m_axis.GetSecondDirection());
  writer.Numbers(names::kThirdDirection, m_axis.GetThirdDirection());
  return S_OK;
}

HRESULT ZALMPAxisSystem::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader reader = ZALMPCoordinates::Begin(*this, element, ids, ZALMP_HERE);
  if (!reader) return E_FAIL;
  const ZALMathPoint origin = reader.Point(names::kOrigin);
  const ZALMathVector first = reader.Vector(names::kFirstDirection);
  const ZALMathVector second = reader.Vector(names::kSecondDirection);
  const ZALMathVector third = reader.Vector(names::kThirdDirection);
  m_axis.SetOrigin(origin);
  m_axis.SetDirections(first, second, third);
  return S_OK;
}
