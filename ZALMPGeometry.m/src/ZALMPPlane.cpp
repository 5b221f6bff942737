#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPPlane"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPPlane.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

ZALMP_DEFINE_KIND(ZALMPPlane, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPPlane::ZALMPPlane() = default;

ZALMPPlane::ZALMPPlane(const ZALMPPlane& source) : ZALMPGeometry(source) {}

ZALMPPlane::~ZALMPPlane() = default;

HRESULT ZALMPPlane::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kOrigin, m_plane.GetOrigin());
  writer.Vector(names::kNormal, m_plane.GetNormal());
  return S_OK;
}

HRESULT ZALMPPlane::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  const ZALMathPoint origin = reader.Point(names::kOrigin);
  const ZALMathVector normal = reader.Vector(names::kNormal);
  m_plane = ZALMathPlane(origin, normal);
  return S_OK;
}

HRESULT ZALMPPlane::SetPlane(const ZALMathPlane& plane)
{
  m_plane = plane;
  return S_OK;
}

HRESULT ZALMPPlane::GetPlane(ZALMathPlane& plane) const
{
  plane = m_plane;
  return S_OK;
}
