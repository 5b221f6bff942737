#pragma once
#include "ZALTRVCircularSpan.h"
#include "ZALTRVSurface.h"

#include <ZALBaseUnknownRef.h>

/// A patch of a circular cylinder: a span of circle (its cross-section at
/// height 0) swept along its normal, the axis. u is the angle in radians and
/// v the height along the unit axis: the point at (u, v) is
/// span point at u + v·normal/|normal|.
class ZALTRVCylinder : public ZALTRVSurface {
public:
  /// Null unless `crossSection` is valid and the heights are finite with the low below the high.
  static ZALBaseUnknownRef<ZALTRVCylinder> Create(const ZALTRVCircularSpan& crossSection, double lowHeight,
                                                  double highHeight);
  /// Reads what Write wrote; null when the numbers make no patch.
  static ZALBaseUnknownRef<ZALITRVObject> Read(ZALMathStream& stream);

  const ZALTRVCircularSpan& GetCrossSection() const { return m_crossSection; }

  ZALTRVType GetType() const override { return ZALTRVType::Cylinder; }
  void Write(ZALMathStream& stream) const override;
  bool IsEqual(const ZALITRVObject& other) const override;
  void GetParamBox(double& uLow, double& uHigh, double& vLow, double& vHigh) const override;
  ZALMathPoint EvaluatePoint(double u, double v) const override;

private:
  ZALTRVCylinder(const ZALTRVCircularSpan& crossSection, double lowHeight, double highHeight);
  ~ZALTRVCylinder() override = default;

  ZALTRVCircularSpan m_crossSection;
  double m_lowHeight;
  double m_highHeight;
};
