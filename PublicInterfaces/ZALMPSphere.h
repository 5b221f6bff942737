#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>

/// A sphere: a centre and a radius. Its numbers are in the coordinates of its body and are kept exactly as set. It
/// writes "Sphere" holding the common part and "Coordinates" with "Cx", "Cy", "Cz", "radius".
class ZALMP_EXPORT ZALMPSphere : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPSphere, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPSphere);

public:
  ~ZALMPSphere() override;

  /// The layout above, in the frame every geometry kind shares (ZALMPGeometry).
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_PROPERTY(ZALMathPoint, Center, m_centre);
  ZALMP_PROPERTY(double, Radius, m_radius);

protected:
  ZALMPSphere();
  /// A copy carries the radius; its points and directions start as for a new sphere, with no body and no constraints.
  ZALMPSphere(const ZALMPSphere& source);

private:
  ZALMathPoint m_centre;
  double m_radius = 0.0;
};
