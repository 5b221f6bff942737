#include "ZALTRVPlane.h"

#include "ZALTRVGeometry.h"

#include <ZALMathStream.h>

ZALTRVPlane::ZALTRVPlane(const ZALMathPoint& origin, const ZALMathVector& first, const ZALMathVector& second,
                         double uLow, double uHigh, double vLow, double vHigh)
  : m_origin(origin), m_first(first), m_second(second), m_uLow(uLow), m_uHigh(uHigh), m_vLow(vLow), m_vHigh(vHigh)
{
}

ZALBaseUnknownRef<ZALTRVPlane> ZALTRVPlane::Create(const ZALMathPoint& origin, const ZALMathVector& first,
                                                   const ZALMathVector& second, double uLow, double uHigh,
                                                   double vLow, double vHigh)
{
  if (!ZALTRVGeometry::IsFinite(origin) || !ZALTRVGeometry::AreIndependent(first, second) ||
      !ZALTRVGeometry::IsInterval(uLow, uHigh) || !ZALTRVGeometry::IsInterval(vLow, vHigh))
    return nullptr;
  return ZALBaseUnknownRef<ZALTRVPlane>(new ZALTRVPlane(origin, first, second, uLow, uHigh, vLow, vHigh));
}

ZALBaseUnknownRef<ZALITRVObject> ZALTRVPlane::Read(ZALMathStream& stream)
{
  const ZALMathPoint origin = stream.ReadPoint();
  const ZALMathVector first = stream.ReadVector();
  const ZALMathVector second = stream.ReadVector();
  const double uLow = stream.ReadDouble();
  const double uHigh = stream.ReadDouble();
  const double vLow = stream.ReadDouble();
  const double vHigh = stream.ReadDouble();
  if (!stream.IsGood()) return nullptr;
  return Create(origin, first, second, uLow, uHigh, vLow, vHigh);
}

void ZALTRVPlane::Write(ZALMathStream& stream) const
{
  stream.WritePoint(m_origin);
  stream.WriteVector(m_first);
  stream.WriteVector(m_second);
  stream.WriteDouble(m_uLow);
  stream.WriteDouble(m_uHigh);
  stream.WriteDouble(m_vLow);
  stream.WriteDouble(m_vHigh);
}

bool ZALTRVPlane::IsEqual(const ZALITRVObject& other) const
{
  const auto* const plane = dynamic_cast<const ZALTRVPlane*>(&other);
  return plane && m_origin == plane->m_origin && m_first == plane->m_first && m_second == plane->m_second &&
         m_uLow == plane->m_uLow && m_uHigh == plane->m_uHigh && m_vLow == plane->m_vLow &&
         m_vHigh == plane->m_vHigh;
}

void ZALTRVPlane::GetParamBox(double& uLow, double& uHigh, double& vLow, double& vHigh) const
{
  uLow = m_uLow;
  uHigh = m_uHigh;
  vLow = m_vLow;
  vHigh = m_vHigh;
}

ZALMathPoint ZALTRVPlane::EvaluatePoint(double u, double v) const
{
  return m_origin + u * m_first + v * m_second;
}
