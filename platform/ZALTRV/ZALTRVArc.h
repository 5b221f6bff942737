#pragma once
#include "ZALTRVCircularSpan.h"
#include "ZALTRVCurve.h"

#include <ZALBaseUnknownRef.h>

/// An arc of a circle, parametrised by the angle in radians (see
/// ZALTRVCircularSpan): the parameter range is the start angle to the end angle.
class ZALTRVArc : public ZALTRVCurve {
public:
  /// Null unless `span` is valid.
  static ZALBaseUnknownRef<ZALTRVArc> Create(const ZALTRVCircularSpan& span);
  /// Reads what Write wrote; null when the numbers make no arc.
  static ZALBaseUnknownRef<ZALITRVObject> Read(ZALMathStream& stream);

  const ZALTRVCircularSpan& GetSpan() const { return m_span; }

  ZALTRVType GetType() const override { return ZALTRVType::Arc; }
  void Write(ZALMathStream& stream) const override;
  bool IsEqual(const ZALITRVObject& other) const override;
  void GetParamRange(double& low, double& high) const override;
  ZALMathPoint EvaluatePoint(double parameter) const override;

private:
  explicit ZALTRVArc(const ZALTRVCircularSpan& span);
  ~ZALTRVArc() override = default;

  ZALTRVCircularSpan m_span;
};
