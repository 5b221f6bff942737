#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry2D.h"
#include "ZALMPProperty.h"

#include <ZALMathLine2D.h>

/// A planar line: an origin and a direction, kept exactly as set, in the
/// coordinates of its planar body. It writes "Line2D" holding the planar
/// common part and "Coordinates" with "Ox", "Oy" (the origin) and "Dx", "Dy"
/// (the direction), both taken as read. A copy starts as a new planar line
/// with the source's name: no links, the line at its default.
class ZALMP_EXPORT ZALMPLine2D : public ZALMPGeometry2D {
  ZALMP_DECLARE_GEOMETRY2D_KIND(ZALMPLine2D);
  ZALMP_DECLARE_FIELDS();

  /// Plain store and copy; S_OK.
  ZALMP_FIELD(ZALMathLine2D, Line, m_line);
};
