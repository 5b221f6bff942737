#include "ZALCrvLimits.h"

#include "ZALCrvParam.h"

#include <algorithm>
#include <cmath>

namespace {

bool InRange(const ZALCrvParam& low, const ZALCrvParam& high)
{
  double rangeLow = 0.0;
  double rangeHigh = 0.0;
  double otherLow = 0.0;
  double otherHigh = 0.0;
  low.GetCurveRange(rangeLow, rangeHigh);
  high.GetCurveRange(otherLow, otherHigh);
  if (!low.HasCurve() || !high.HasCurve() || rangeLow != otherLow || rangeHigh != otherHigh) return false;

  const double tolerance =
      ZALCrvLimits::kRangeTolerance * std::max({1.0, std::abs(rangeLow), std::abs(rangeHigh)});
  return low.GetValue() <= high.GetValue() && low.GetValue() >= rangeLow - tolerance &&
         high.GetValue() <= rangeHigh + tolerance;
}

}  // namespace

ZALCrvLimits::ZALCrvLimits(const ZALCrvParam& low, const ZALCrvParam& high, int verificationMode)
  : m_low(low.GetValue()),
    m_high(high.GetValue()),
    m_valid(verificationMode == kNoVerification || (verificationMode == kVerifyInRange && InRange(low, high)))
{
}

HRESULT ZALCrvLimits::GetExtremities(double& low, double& high) const
{
  low = m_low;
  high = m_high;
  return m_valid ? S_OK : E_FAIL;
}
