#pragma once
#include "ZALTRVCurve.h"

#include <ZALBaseUnknownRef.h>

/// A line segment, parametrised by the distance from its start: the
/// parameter range is 0 to its length.
class ZALTRVLine : public ZALTRVCurve {
public:
  /// The segment from `start` to `end`; null when a point is not finite, the
  /// two are equal, or the length overflows.
  static ZALBaseUnknownRef<ZALTRVLine> Create(const ZALMathPoint& start, const ZALMathPoint& end);
  /// Reads what Write wrote; null when the numbers make no segment.
  static ZALBaseUnknownRef<ZALITRVObject> Read(ZALMathStream& stream);

  ZALMathPoint GetStart() const { return m_start; }
  ZALMathPoint GetEnd() const { return m_end; }

  ZALTRVType GetType() const override { return ZALTRVType::Line; }
  void Write(ZALMathStream& stream) const override;
  bool IsEqual(const ZALITRVObject& other) const override;
  void GetParamRange(double& low, double& high) const override;
  ZALMathPoint EvaluatePoint(double parameter) const override;

private:
  ZALTRVLine(const ZALMathPoint& start, const ZALMathPoint& end);
  ~ZALTRVLine() override = default;

  ZALMathPoint m_start;
  ZALMathPoint m_end;
};
