#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry2D.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint2D.h>

/// A planar circle: a centre and a radius, kept exactly as set, in the
/// coordinates of its planar body. It writes "Circle2D" holding the planar
/// common part and "Coordinates" with "Cx", "Cy", "radius". A copy carries the
/// radius; its centre starts at its default, with no links.
class ZALMP_EXPORT ZALMPCircle2D : public ZALMPGeometry2D {
  ZALMP_DECLARE_GEOMETRY2D_KIND(ZALMPCircle2D);
  ZALMP_DECLARE_FIELDS();

  /// Plain stores and copies; S_OK. Nothing is checked here (a negative
  /// radius is kept as given).
  ZALMP_FIELD(ZALMathPoint2D, Center, m_centre);
  ZALMP_FIELD(double, Radius, m_radius, 0.0);
};
