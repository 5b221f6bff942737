#pragma once
#include "ZALTRVSurface.h"

#include <ZALBaseUnknownRef.h>
#include <ZALMathVector.h>

/// A plane patch: the point at (u, v) is origin + u·first + v·second, for u
/// and v in their two intervals.
class ZALTRVPlane : public ZALTRVSurface {
public:
  /// Null when a number is not finite, the two directions are zero or
  /// parallel, or a low is not below its high.
  static ZALBaseUnknownRef<ZALTRVPlane> Create(const ZALMathPoint& origin, const ZALMathVector& first,
                                               const ZALMathVector& second, double uLow, double uHigh, double vLow,
                                               double vHigh);
  /// Reads what Write wrote; null when the numbers make no patch.
  static ZALBaseUnknownRef<ZALITRVObject> Read(ZALMathStream& stream);

  ZALMathPoint GetOrigin() const { return m_origin; }
  ZALMathVector GetFirstDirection() const { return m_first; }
  ZALMathVector GetSecondDirection() const { return m_second; }

  ZALTRVType GetType() const override { return ZALTRVType::Plane; }
  void Write(ZALMathStream& stream) const override;
  bool IsEqual(const ZALITRVObject& other) const override;
  void GetParamBox(double& uLow, double& uHigh, double& vLow, double& vHigh) const override;
  ZALMathPoint EvaluatePoint(double u, double v) const override;

private:
  ZALTRVPlane(const ZALMathPoint& origin, const ZALMathVector& first, const ZALMathVector& second, double uLow,
              double uHigh, double vLow, double vHigh);
  ~ZALTRVPlane() override = default;

  ZALMathPoint m_origin;
  ZALMathVector m_first;
  ZALMathVector m_second;
  double m_uLow;
  double m_uHigh;
  double m_vLow;
  double m_vHigh;
};
