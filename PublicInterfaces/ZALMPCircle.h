#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathCircle.h>
#include <ZALStatus.h>

/// A circle: a centre, a radius and two in-plane directions, in the coordinates of its body.
class ZALMP_EXPORT ZALMPCircle : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPCircle, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPCircle);

public:
  ~ZALMPCircle() override;

  /// Adds "Circle" under `element`: the common part, then "Coordinates" holding "Cx", "Cy", "Cz", "Dx", "Dy", "Dz"
  /// (the normal) and "radius". S_OK; E_FAIL (reported): null `element`, an element that cannot be added or a failed
  /// common part. A number that cannot be written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "Circle" child of `element`: the common part, then the numbers of "Coordinates"; a missing number is
  /// reported and read as 0. The circle is made again in the plane through the centre normal to the normal read, with
  /// that plane's directions: the in-plane reference direction the circle had is not kept. A circle that cannot be
  /// made so (a radius that is not positive) is reported and stays as it was. S_OK; E_FAIL (reported): null
  /// `element`, no "Circle" or "Coordinates", or a failed common part.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain store and copy; S_OK.
  ZALMP_PROPERTY(ZALMathCircle, Circle, m_circle);

protected:
  ZALMPCircle();
  /// A copy starts as a new circle with the source's name: no body, no constraints, the circle at its default.
  ZALMPCircle(const ZALMPCircle& source);

private:
  ZALMathCircle m_circle;
};
