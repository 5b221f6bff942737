#include "ZALTRVArc.h"

#include <ZALMathStream.h>

ZALTRVArc::ZALTRVArc(const ZALTRVCircularSpan& span) : m_span(span) {}

ZALBaseUnknownRef<ZALTRVArc> ZALTRVArc::Create(const ZALTRVCircularSpan& span)
{
  if (!span.IsValid()) return nullptr;
  return ZALBaseUnknownRef<ZALTRVArc>(new ZALTRVArc(span));
}

ZALBaseUnknownRef<ZALITRVObject> ZALTRVArc::Read(ZALMathStream& stream)
{
  const ZALTRVCircularSpan span = ZALTRVCircularSpan::Read(stream);
  if (!stream.IsGood()) return nullptr;
  return Create(span);
}

void ZALTRVArc::Write(ZALMathStream& stream) const
{
  m_span.Write(stream);
}

bool ZALTRVArc::IsEqual(const ZALITRVObject& other) const
{
  const auto* const arc = dynamic_cast<const ZALTRVArc*>(&other);
  return arc && m_span == arc->m_span;
}

void ZALTRVArc::GetParamRange(double& low, double& high) const
{
  low = m_span.startAngle;
  high = m_span.endAngle;
}

ZALMathPoint ZALTRVArc::EvaluatePoint(double parameter) const
{
  return m_span.PointAt(parameter);
}
