#include "ZALMathPoint.h"

double ZALMathPoint::DistanceTo(const ZALMathPoint& other) const noexcept
{
  return (other - *this).Norm();
}
