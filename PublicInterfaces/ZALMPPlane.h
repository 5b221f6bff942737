#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPlane.h>

/// A plane: an origin and a normal, with the in-plane directions that the plane makes of them, in the coordinates of
/// its body. It writes "Plane" holding the common part and "Coordinates" with "Ox", "Oy", "Oz", "Nx", "Ny", "Nz"; the
/// plane is made again from the origin and the normal read. A copy starts as a new plane with the source's name: no
/// body, no constraints, the plane at its default.
class ZALMP_EXPORT ZALMPPlane : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPPlane);
  ZALMP_DECLARE_FIELDS();

  /// Plain store and copy; S_OK.
  ZALMP_FIELD(ZALMathPlane, Plane, m_plane);
};
