#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry2D.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint2D.h>

/// A planar point, in the coordinates of its planar body, kept exactly as set.
/// It writes "Point2D" holding the planar common part and "Coordinates" with
/// "Ox", "Oy". A copy starts as a new planar point with the source's name: no
/// links, the point at its default.
class ZALMP_EXPORT ZALMPPoint2D : public ZALMPGeometry2D {
  ZALMP_DECLARE_GEOMETRY2D_KIND(ZALMPPoint2D);
  ZALMP_DECLARE_FIELDS();

  /// Plain store and copy; S_OK.
  ZALMP_FIELD(ZALMathPoint2D, Point, m_point);
};
