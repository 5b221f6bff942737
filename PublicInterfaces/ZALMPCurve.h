#pragma once
#include "ZALMPCurveOrientation.h"
#include "ZALMPCurveSegments.h"
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"

#include <ZALStatus.h>

class ZALBaseUnknown;

/// A curve made of segments, each a curve of the geometric modeller run in an
/// orientation between two parameter limits (a ZALCrvLimits, handed about
/// untyped), in the coordinates of its body. The curve holds one reference on
/// each segment's modeller curve and releases it when it goes.
///
/// Limits: those given to AddCurve stay the caller's unless
/// DeleteCurveLimitsAtEnd(true) hands them to the curve. Limits the curve made
/// itself (a curve read from a file or copied) are its own and go with it,
/// whatever the flag, so that nothing a host never saw can leak.
///
/// It writes "Curve" holding the common part and "CurveSegments" with one
/// "CurveSegment" per segment, in order: attributes "curveOrientation" (by
/// name), "curveLowLimit" and "curveHighLimit", and a child "CurveStream"
/// whose text is the widened Base64 of a modeller stream holding the
/// segment's curve, with the stream's byte count as "length". A segment that
/// could not be read back whole is reported and left out: its object is no
/// modeller curve, or its limits are not a range of that curve's parameters.
///
/// Reading adds the segments read to those the curve has, with limits made
/// from the two numbers by the segment's curve and checked against its range.
/// It is all or nothing: a segment whose stream is damaged (cut, changed, not
/// Base64, "length" disagreeing) or whose limits are missing or outside its
/// curve is reported, no segment is added, and reading gives E_FAIL.
///
/// A copy carries the segments, for they are the curve itself: the same
/// modeller curves (which do not change once made) in the same orientations,
/// each with its own copy of the limits. Like every geometry it starts with no
/// body and no constraints.
class ZALMP_EXPORT ZALMPCurve : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPCurve);

public:
  ZALMP_DECLARE_CURVE_SEGMENT_OPERATIONS();

private:
  ZALMPCurveSegments m_segments;
};
