#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathLine.h>

/// A line: an origin and a direction, kept exactly as set, in the coordinates of its body. It writes "Line" holding
/// the common part and "Coordinates" with "Ox", "Oy", "Oz", "Dx", "Dy", "Dz"; the origin and the direction are taken
/// as read. A copy starts as a new line with the source's name: no body, no constraints, the line at its default.
class ZALMP_EXPORT ZALMPLine : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPLine);
  ZALMP_DECLARE_FIELDS();

  /// Plain store and copy; S_OK.
  ZALMP_FIELD(ZALMathLine, Line, m_line);
};
