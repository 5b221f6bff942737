#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>

/// A point. Its numbers are in the coordinates of its body and are kept exactly as set. It writes "Point" holding the
/// common part and "Coordinates" with "Ox", "Oy", "Oz". A copy starts as a new point with the source's name: no body,
/// no constraints, the point at its default.
class ZALMP_EXPORT ZALMPPoint : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPPoint);
  ZALMP_DECLARE_FIELDS();

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_FIELD(ZALMathPoint, Point, m_point);
};
