#include "ZALTRVGeometry.h"

#include <ZALMathTolerance.h>

#include <cmath>
#include <numbers>

bool ZALTRVGeometry::IsFinite(const ZALMathPoint& point)
{
  return std::isfinite(point.GetX()) && std::isfinite(point.GetY()) && std::isfinite(point.GetZ());
}

bool ZALTRVGeometry::IsInterval(double low, double high)
{
  return std::isfinite(low) && std::isfinite(high) && low < high;
}

bool ZALTRVGeometry::IsAngleInterval(double low, double high)
{
  return IsInterval(low, high) && high - low <= 2.0 * std::numbers::pi;
}

bool ZALTRVGeometry::AreIndependent(const ZALMathVector& first, const ZALMathVector& second)
{
  const double a = first.Norm();
  const double b = second.Norm();
  // A vector is finite when its norm is; the product of two norms may still overflow.
  return std::isfinite(a) && std::isfinite(b) && a > 0.0 && b > 0.0 &&
         first.Cross(second).Norm() / a / b > kZALMathRelativeTolerance;
}

void ZALTRVGeometry::CircleFrame(const ZALMathVector& normal, const ZALMathVector& reference, ZALMathVector& x,
                                 ZALMathVector& y)
{
  ZALMathVector z = normal;
  z.Normalize();
  x = reference - reference.Dot(z) * z;
  x.Normalize();
  y = z.Cross(x);
}
