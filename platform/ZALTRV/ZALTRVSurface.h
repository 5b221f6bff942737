#pragma once
#include "ZALITRVObject.h"

#include <ZALMathPoint.h>

/// A modeller surface patch: a map from a box of parameters (u, v) to points of space.
class ZALTRVSurface : public ZALITRVObject {
public:
  /// The box of parameters that covers the patch; each low is below its high.
  virtual void GetParamBox(double& uLow, double& uHigh, double& vLow, double& vHigh) const = 0;
  /// The point at (u, v); parameters outside the box continue the surface.
  virtual ZALMathPoint EvaluatePoint(double u, double v) const = 0;

protected:
  ~ZALTRVSurface() override = default;
};
