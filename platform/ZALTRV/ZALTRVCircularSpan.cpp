#include "ZALTRVCircularSpan.h"

#include "ZALTRVGeometry.h"

#include <ZALMathStream.h>

#include <cmath>

bool ZALTRVCircularSpan::IsValid() const
{
  return ZALTRVGeometry::IsFinite(centre) && ZALTRVGeometry::AreIndependent(normal, reference) &&
         std::isfinite(radius) && radius > 0.0 && ZALTRVGeometry::IsAngleInterval(startAngle, endAngle);
}

ZALMathPoint ZALTRVCircularSpan::PointAt(double angle) const
{
  ZALMathVector x;
  ZALMathVector y;
  ZALTRVGeometry::CircleFrame(normal, reference, x, y);
  return centre + radius * (std::cos(angle) * x + std::sin(angle) * y);
}

void ZALTRVCircularSpan::Write(ZALMathStream& stream) const
{
  stream.WritePoint(centre);
  stream.WriteVector(normal);
  stream.WriteVector(reference);
  stream.WriteDouble(radius);
  stream.WriteDouble(startAngle);
  stream.WriteDouble(endAngle);
}

ZALTRVCircularSpan ZALTRVCircularSpan::Read(ZALMathStream& stream)
{
  ZALTRVCircularSpan span;
  span.centre = stream.ReadPoint();
  span.normal = stream.ReadVector();
  span.reference = stream.ReadVector();
  span.radius = stream.ReadDouble();
  span.startAngle = stream.ReadDouble();
  span.endAngle = stream.ReadDouble();
  return span;
}
