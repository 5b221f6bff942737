#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>

/// A sphere: a centre and a radius. Its numbers are in the coordinates of its body and are kept exactly as set. It
/// writes "Sphere" holding the common part and "Coordinates" with "Cx", "Cy", "Cz", "radius". A copy carries the
/// radius; its points and directions start as for a new sphere, with no body and no constraints.
class ZALMP_EXPORT ZALMPSphere : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPSphere);
  ZALMP_DECLARE_FIELDS();

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_FIELD(ZALMathPoint, Center, m_centre);
  ZALMP_FIELD(double, Radius, m_radius, 0.0);
};
