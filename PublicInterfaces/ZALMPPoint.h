#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"

#include <ZALMathPoint.h>
#include <ZALStatus.h>

/// A point. Its numbers are in the coordinates of its body and are kept exactly as set.
class ZALMP_EXPORT ZALMPPoint : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPPoint, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPPoint);

public:
  ~ZALMPPoint() override;

  /// Adds "Point" under `element`: the common part, then "Coordinates" holding "Ox", "Oy", "Oz". S_OK; E_FAIL
  /// (reported): null `element`, an element that cannot be added or a failed common part. A number that cannot be
  /// written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "Point" child of `element`: the common part, then the numbers of "Coordinates"; a missing number is
  /// reported and read as 0. S_OK; E_FAIL (reported): null `element`, no "Point" or "Coordinates", or a failed common
  /// part. What was read before a failure stays set.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain store and copy; S_OK.
  virtual HRESULT SetPoint(const ZALMathPoint& point);
  virtual HRESULT GetPoint(ZALMathPoint& point) const;

protected:
  ZALMPPoint();
  /// A copy starts as a new point with the source's name: no body, no constraints, the point at its default.
  ZALMPPoint(const ZALMPPoint& source);

private:
  ZALMathPoint m_point;
};
