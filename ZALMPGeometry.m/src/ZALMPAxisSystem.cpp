#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPAxisSystem"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

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
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kOrigin, m_axis.GetOrigin());
  writer.Vector(names::kFirstDirection, m_axis.GetFirstDirection());
  writer.Vector(names::kSecondDirection, m_axis.GetSecondDirection());
  writer.Vector(names::kThirdDirection, m_axis.GetThirdDirection());
  return S_OK;
}

HRESULT ZALMPAxisSystem::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  const ZALMathPoint origin = reader.Point(names::kOrigin);
  const ZALMathVector first = reader.Vector(names::kFirstDirection);
  const ZALMathVector second = reader.Vector(names::kSecondDirection);
  const ZALMathVector third = reader.Vector(names::kThirdDirection);
  m_axis.SetOrigin(origin);
  m_axis.SetDirections(first, second, third);
  return S_OK;
}

HRESULT ZALMPAxisSystem::SetAxisSystem(const ZALMathAxis& axis)
{
  m_axis = axis;
  return S_OK;
}

HRESULT ZALMPAxisSystem::GetAxisSystem(ZALMathAxis& axis) const
{
  axis = m_axis;
  return S_OK;
}
