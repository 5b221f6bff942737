#include "ZALMathPoint2D.h"

double ZALMathPoint2D::DistanceTo(const ZALMathPoint2D& other) const noexcept
{
  return (other - *this).Norm();
}
