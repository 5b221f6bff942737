#pragma once
#include "ZALITRVObject.h"

#include <ZALMathPoint.h>
#include <ZALStatus.h>

class ZALCrvParam;

/// A modeller curve: a map from an interval of parameters to points of space.
class ZALTRVCurve : public ZALITRVObject {
public:
  /// The interval of parameters that covers the curve; `low` < `high`.
  virtual void GetParamRange(double& low, double& high) const = 0;
  /// The point at `parameter`; parameters outside the range continue the curve.
  virtual ZALMathPoint EvaluatePoint(double parameter) const = 0;

  /// Turns a number into a parameter of this curve. S_OK. E_FAIL: `value` is
  /// not finite; `param` is then a parameter of no curve.
  HRESULT CreateParam(double value, ZALCrvParam& param) const;

protected:
  ~ZALTRVCurve() override = default;
};
