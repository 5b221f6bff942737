#include "ZALTRVCylinder.h"

#include "ZALTRVGeometry.h"

#include <ZALMathStream.h>

ZALTRVCylinder::ZALTRVCylinder(const ZALTRVCircularSpan& crossSection, double lowHeight, double highHeight)
  : m_crossSection(crossSection), m_lowHeight(lowHeight), m_highHeight(highHeight)
{
}

ZALBaseUnknownRef<ZALTRVCylinder> ZALTRVCylinder::Create(const ZALTRVCircularSpan& crossSection, double lowHeight,
                                                         double highHeight)
{
  if (!crossSection.IsValid() || !ZALTRVGeometry::IsInterval(lowHeight, highHeight)) return nullptr;
  return ZALBaseUnknownRef<ZALTRVCylinder>(new ZALTRVCylinder(crossSection, lowHeight, highHeight));
}

ZALBaseUnknownRef<ZALITRVObject> ZALTRVCylinder::Read(ZALMathStream& stream)
{
  const ZALTRVCircularSpan crossSection = ZALTRVCircularSpan::Read(stream);
  const double lowHeight = stream.ReadDouble();
  const double highHeight = stream.ReadDouble();
  if (!stream.IsGood()) return nullptr;
  return Create(crossSection, lowHeight, highHeight);
}

void ZALTRVCylinder::Write(ZALMathStream& stream) const
{
  m_crossSection.Write(stream);
  stream.WriteDouble(m_lowHeight);
  stream.WriteDouble(m_highHeight);
}

bool ZALTRVCylinder::IsEqual(const ZALITRVObject& other) const
{
  const auto* const cylinder = dynamic_cast<const ZALTRVCylinder*>(&other);
  return cylinder && m_crossSection == cylinder->m_crossSection && m_lowHeight == cylinder->m_lowHeight &&
         m_highHeight == cylinder->m_highHeight;
}

void ZALTRVCylinder::GetParamBox(double& uLow, double& uHigh, double& vLow, double& vHigh) const
{
  uLow = m_crossSection.startAngle;
  uHigh = m_crossSection.endAngle;
  vLow = m_lowHeight;
  vHigh = m_highHeight;
}

ZALMathPoint ZALTRVCylinder::EvaluatePoint(double u, double v) const
{
  ZALMathVector along = m_crossSection.normal;
  along.Normalize();
  return m_crossSection.PointAt(u) + v * along;
}
