#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>

/// A point. Its numbers are in the coordinates of its body and are kept exactly as set. It writes "Point" holding the
/// common part and "Coordinates" with "Ox", "Oy", "Oz".
class ZALMP_EXPORT ZALMPPoint : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPPoint, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPPoint);

public:
  ~ZALMPPoint() override;

  /// The layout above, in the frame every geometry kind shares (ZALMPGeometry).
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_PROPERTY(ZALMathPoint, Point, m_point);

protected:
  ZALMPPoint();
  /// A copy starts as a new point with the source's name: no body, no constraints, the point at its default.
  ZALMPPoint(const ZALMPPoint& source);

private:
  ZALMathPoint m_point;
};
