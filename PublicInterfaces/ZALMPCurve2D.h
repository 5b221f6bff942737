#pragma once
#include "ZALMPCurveOrientation.h"
#include "ZALMPCurveSegments.h"
#include "ZALMPExport.h"
#include "ZALMPGeometry2D.h"

#include <ZALStatus.h>

class ZALBaseUnknown;

/// A planar curve made of segments, held as a curve holds them (see
/// ZALMPCurve): modeller curves with one reference each, orientations, and
/// limits that stay the caller's unless DeleteCurveLimitsAtEnd(true).
///
/// It writes "Curve2D" holding the planar common part only: no "Coordinates"
/// and no segment, so a planar curve read back has its planar body, sketch and
/// constraints but no segment. A copy carries the segments, as a curve's does.
class ZALMP_EXPORT ZALMPCurve2D : public ZALMPGeometry2D {
  ZALMP_DECLARE_GEOMETRY2D_KIND(ZALMPCurve2D);

public:
  ZALMP_DECLARE_CURVE_SEGMENT_OPERATIONS();

private:
  ZALMPCurveSegments m_segments;
};
