#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A cone: an origin on its axis, the axis direction and an angle. Its numbers are in the coordinates of its body and
/// are kept exactly as set. It writes "Cone" holding the common part and "Coordinates" with "Ox", "Oy", "Oz", "Dx",
/// "Dy", "Dz", "angle", each direction made a unit vector on reading. A copy carries the angle; its points and
/// directions start as for a new cone, with no body and no constraints.
class ZALMP_EXPORT ZALMPCone : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPCone);
  ZALMP_DECLARE_FIELDS();

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_FIELD(ZALMathPoint, Origin, m_origin);
  ZALMP_FIELD(ZALMathVector, Axis, m_axis, 1.0, 0.0, 0.0);
  ZALMP_FIELD(double, Angle, m_angle, 0.0);
};
