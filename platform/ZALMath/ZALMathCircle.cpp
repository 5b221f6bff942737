#include "ZALMathCircle.h"

#include "ZALMathTolerance.h"

#include <cmath>

HRESULT ZALMathCircle::Set(const ZALMathPoint& centre, const ZALMathVector& first, const ZALMathVector& second,
                           double radius, double referenceCosine, double referenceSine) noexcept
{
  if (!(radius > 0.0)) return E_FAIL;  // also refuses NaN
  const double firstLength = first.Norm();
  const double secondLength = second.Norm();
  if (firstLength == 0.0 || secondLength == 0.0) return E_FAIL;
  if (first.Cross(second).Norm() <= kZALMathRelativeTolerance * firstLength * secondLength) return E_FAIL;
  const double turnLength = std::hypot(referenceCosine, referenceSine);
  if (turnLength == 0.0 || !std::isfinite(turnLength)) return E_FAIL;

  // Orthonormal frame of the plane, turning from `first` towards `second`.
  ZALMathVector u = first;
  u.Normalize();
  ZALMathVector v = second - second.Dot(u) * u;
  v.Normalize();

  const double cosine = referenceCosine / turnLength;
  const double sine = referenceSine / turnLength;
  m_centre = centre;
  m_first = cosine * u + sine * v;
  m_second = cosine * v - sine * u;
  m_radius = radius;
  return S_OK;
}

void ZALMathCircle::GetDirections(ZALMathVector& first, ZALMathVector& second) const noexcept
{
  first = m_first;
  second = m_second;
}
