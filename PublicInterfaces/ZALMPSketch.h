#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPlane.h>

/// The plane of a planar model: planar bodies and planar geometries lie in
/// it. It writes "Sketch" holding the geometry's common part and
/// "Coordinates" with "Ox", "Oy", "Oz" (the plane's origin) and "Nx", "Ny",
/// "Nz" (its normal); the plane is made again from the origin and the normal
/// read. A copy starts as a new sketch with the source's name: no body, no
/// constraints, the plane at its default.
class ZALMP_EXPORT ZALMPSketch : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPSketch);
  ZALMP_DECLARE_FIELDS();

  /// Plain store and copy; S_OK.
  ZALMP_FIELD(ZALMathPlane, Plane, m_plane);
};
