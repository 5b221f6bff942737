#include "ZALCrvParam.h"

ZALCrvParam::ZALCrvParam(double value, double rangeLow, double rangeHigh)
  : m_value(value), m_rangeLow(rangeLow), m_rangeHigh(rangeHigh), m_hasCurve(true)
{
}

void ZALCrvParam::GetCurveRange(double& low, double& high) const
{
  low = m_rangeLow;
  high = m_rangeHigh;
}
