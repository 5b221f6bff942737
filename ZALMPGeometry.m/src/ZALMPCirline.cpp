#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCirline"
#include "ZALMPReport.h"

#include "ZALMPCoordinateNames.h"
#include "ZALMPGeometryReader.h"
#include "ZALMPGeometryWriter.h"

#include <ZALMPCirline.h>

ZALMP_DEFINE_CLASS(ZALMPCirline, ZALMPGeometry);
ZALMP_REGISTER_CLASS(ZALMPCirline);

namespace names = ZALMPCoordinateNames;

ZALMPCirline::ZALMPCirline() = default;

ZALMPCirline::ZALMPCirline(const ZALMPCirline& source) : ZALMPGeometry(source), m_curvature(source.m_curvature) {}

ZALMPCirline::~ZALMPCirline() = default;

HRESULT ZALMPCirline::Serialize(ZALMPSerializer* element) const
{
  ZALMPGeometryWriter writer(ZALMP_HERE);
  if (FAILED(writer.Begin(*this, ClassName(), element))) return E_FAIL;
  writer.Point(names::kCentre, m_centre);
  writer.Vector(names::kDirection, m_majorDirection);
  writer.Vector(names::kNormal, m_normal);
  writer.Number(names::kCurvature, m_curvature);
  return S_OK;
}

HRESULT ZALMPCirline::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  ZALMPGeometryReader reader(ZALMP_HERE);
  if (FAILED(reader.Begin(*this, ClassName(), element, ids))) return E_FAIL;
  m_centre = reader.Point(names::kCentre);
  m_majorDirection = reader.Direction(names::kDirection);
  m_normal = reader.Direction(names::kNormal);
  m_curvature = reader.Number(names::kCurvature);
  return S_OK;
}

HRESULT ZALMPCirline::SetCenter(const ZALMathPoint& center)
{
  m_centre = center;
  return S_OK;
}

HRESULT ZALMPCirline::GetCenter(ZALMathPoint& center) const
{
  center = m_centre;
  return S_OK;
}

HRESULT ZALMPCirline::SetMajorDirection(const ZALMathVector& majorDirection)
{
  m_majorDirection = majorDirection;
  return S_OK;
}

HRESULT ZALMPCirline::GetMajorDirection(ZALMathVector& majorDirection) const
{
  majorDirection = m_majorDirection;
  return S_OK;
}

HRESULT ZALMPCirline::SetNormal(const ZALMathVector& normal)
{
  m_normal = normal;
  return S_OK;
}

HRESULT ZALMPCirline::GetNormal(ZALMathVector& normal) const
{
  normal = m_normal;
  return S_OK;
}

HRESULT ZALMPCirline::SetCurvature(double curvature)
{
  m_curvature = curvature;
  return S_OK;
}

HRESULT ZALMPCirline::GetCurvature(double& curvature) const
{
  curvature = m_curvature;
  return S_OK;
}
