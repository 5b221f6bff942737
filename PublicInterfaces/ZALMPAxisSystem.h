#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathAxis.h>

/// An axis system: an origin and three directions, kept exactly as set, in the coordinates of its body. It writes
/// "AxisSystem" holding the common part and "Coordinates" with "Ox", "Oy", "Oz", "D1x", "D1y", "D1z", "D2x", "D2y",
/// "D2z", "D3x", "D3y", "D3z"; the origin and the directions are taken as read. A copy starts as a new axis system
/// with the source's name: no body, no constraints, the axis at its default.
class ZALMP_EXPORT ZALMPAxisSystem : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPAxisSystem);
  ZALMP_DECLARE_FIELDS();

  /// Plain store and copy; S_OK.
  ZALMP_FIELD(ZALMathAxis, AxisSystem, m_axis);
};
