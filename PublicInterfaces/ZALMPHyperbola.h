#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A hyperbola: a centre, the direction of its major axis, the normal of its plane, a major and a minor radius. Its
/// numbers are in the coordinates of its body and are kept exactly as set. It writes "Hyperbola" holding the common
/// part and "Coordinates" with "Cx", "Cy", "Cz", "Dx", "Dy", "Dz", "Nx", "Ny", "Nz", "major_radius", "minor_radius",
/// each direction made a unit vector on reading. A copy carries the major radius and the minor radius; its points and
/// directions start as for a new hyperbola, with no body and no constraints.
class ZALMP_EXPORT ZALMPHyperbola : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPHyperbola);
  ZALMP_DECLARE_FIELDS();

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_FIELD(ZALMathPoint, Center, m_centre);
  ZALMP_FIELD(ZALMathVector, MajorDirection, m_majorDirection, 1.0, 0.0, 0.0);
  ZALMP_FIELD(ZALMathVector, Normal, m_normal, 1.0, 0.0, 0.0);
  ZALMP_FIELD(double, MajorRadius, m_majorRadius, 0.0);
  ZALMP_FIELD(double, MinorRadius, m_minorRadius, 0.0);
};
