#include "ZALTRVLine.h"

#include "ZALTRVGeometry.h"

#include <ZALMathStream.h>

#include <cmath>

ZALTRVLine::ZALTRVLine(const ZALMathPoint& start, const ZALMathPoint& end) : m_start(start), m_end(end) {}

ZALBaseUnknownRef<ZALTRVLine> ZALTRVLine::Create(const ZALMathPoint& start, const ZALMathPoint& end)
{
  const double length = (end - start).Norm();
  if (!ZALTRVGeometry::IsFinite(start) || !ZALTRVGeometry::IsFinite(end) || !std::isfinite(length) || length == 0.0)
    return nullptr;
  return ZALBaseUnknownRef<ZALTRVLine>(new ZALTRVLine(start, end));
}

ZALBaseUnknownRef<ZALITRVObject> ZALTRVLine::Read(ZALMathStream& stream)
{
  const ZALMathPoint start = stream.ReadPoint();
  const ZALMathPoint end = stream.ReadPoint();
  if (!stream.IsGood()) return nullptr;
  return Create(start, end);
}

void ZALTRVLine::Write(ZALMathStream& stream) const
{
  stream.WritePoint(m_start);
  stream.WritePoint(m_end);
}

bool ZALTRVLine::IsEqual(const ZALITRVObject& other) const
{
  const auto* const line = dynamic_cast<const ZALTRVLine*>(&other);
  return line && m_start == line->m_start && m_end == line->m_end;
}

void ZALTRVLine::GetParamRange(double& low, double& high) const
{
  low = 0.0;
  high = (m_end - m_start).Norm();
}

ZALMathPoint ZALTRVLine::EvaluatePoint(double parameter) const
{
  const ZALMathVector along = m_end - m_start;
  return m_start + (parameter / along.Norm()) * along;
}
