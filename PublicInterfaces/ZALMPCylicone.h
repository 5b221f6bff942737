#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A blend of cylinder and cone: an origin on its axis, the axis direction, an angle and a radius. Its numbers are in
/// the coordinates of its body and are kept exactly as set. It writes "Cylicone" holding the common part and
/// "Coordinates" with "Ox", "Oy", "Oz", "Dx", "Dy", "Dz", "angle", "radius", each direction made a unit vector on
/// reading. A copy carries the angle and the radius; its points and directions start as for a new cylicone, with no
/// body and no constraints.
class ZALMP_EXPORT ZALMPCylicone : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPCylicone);
  ZALMP_DECLARE_FIELDS();

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_FIELD(ZALMathPoint, Origin, m_origin);
  ZALMP_FIELD(ZALMathVector, Axis, m_axis, 1.0, 0.0, 0.0);
  ZALMP_FIELD(double, Angle, m_angle, 0.0);
  ZALMP_FIELD(double, Radius, m_radius, 0.0);
};
