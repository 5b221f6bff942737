#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A blend of cylinder and cone: an origin on its axis, the axis direction, an angle and a radius. Its numbers are in
/// the coordinates of its body and are kept exactly as set. It writes "Cylicone" holding the common part and
/// "Coordinates" with "Ox", "Oy", "Oz", "Dx", "Dy", "Dz", "angle", "radius", each direction made a unit vector on
/// reading.
class ZALMP_EXPORT ZALMPCylicone : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPCylicone, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPCylicone);

public:
  ~ZALMPCylicone() override;

  /// The layout above, in the frame every geometry kind shares (ZALMPGeometry).
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_PROPERTY(ZALMathPoint, Origin, m_origin);
  ZALMP_PROPERTY(ZALMathVector, Axis, m_axis);
  ZALMP_PROPERTY(double, Angle, m_angle);
  ZALMP_PROPERTY(double, Radius, m_radius);

protected:
  ZALMPCylicone();
  /// A copy carries the angle and the radius; its points and directions start as for a new cylicone, with no body and
  /// no constraints.
  ZALMPCylicone(const ZALMPCylicone& source);

private:
  ZALMathPoint m_origin;
  ZALMathVector m_axis{1.0, 0.0, 0.0};
  double m_angle = 0.0;
  double m_radius = 0.0;
};
