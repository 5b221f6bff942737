#include "ZALTRVCurve.h"

#include "ZALCrvParam.h"

#include <cmath>

HRESULT ZALTRVCurve::CreateParam(double value, ZALCrvParam& param) const
{
  if (!std::isfinite(value)) {
    param = ZALCrvParam();
    return E_FAIL;
  }
  double low = 0.0;
  double high = 0.0;
  GetParamRange(low, high);
  param = ZALCrvParam(value, low, high);
  return S_OK;
}
