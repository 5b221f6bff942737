#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A parabola: a centre, the direction of its major axis, the normal of its plane and a curvature. Its numbers are in
/// the coordinates of its body and are kept exactly as set. It writes "Parabola" holding the common part and
/// "Coordinates" with "Cx", "Cy", "Cz", "Dx", "Dy", "Dz", "Nx", "Ny", "Nz", "curvature", each direction made a unit
/// vector on reading. A copy carries the curvature; its points and directions start as for a new parabola, with no
/// body and no constraints.
class ZALMP_EXPORT ZALMPParabola : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPParabola);
  ZALMP_DECLARE_FIELDS();

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_FIELD(ZALMathPoint, Center, m_centre);
  ZALMP_FIELD(ZALMathVector, MajorDirection, m_majorDirection, 1.0, 0.0, 0.0);
  ZALMP_FIELD(ZALMathVector, Normal, m_normal, 1.0, 0.0, 0.0);
  ZALMP_FIELD(double, Curvature, m_curvature, 0.0);
};
