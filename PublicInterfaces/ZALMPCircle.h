#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathCircle.h>

/// A circle: a centre, a radius and two in-plane directions, in the coordinates of its body. It writes "Circle"
/// holding the common part and "Coordinates" with "Cx", "Cy", "Cz", "Dx", "Dy", "Dz" (the normal) and "radius". On
/// reading, the circle is made again in the plane through the centre normal to the normal read, with that plane's
/// directions: the in-plane reference direction the circle had is not kept. A circle that cannot be made so (a
/// radius that is not positive) is reported and stays as it was. A copy starts as a new circle with the source's
/// name: no body, no constraints, the circle at its default.
class ZALMP_EXPORT ZALMPCircle : public ZALMPGeometry {
  ZALMP_DECLARE_GEOMETRY_KIND(ZALMPCircle);

  /// Plain store and copy; S_OK.
  ZALMP_FIELD(ZALMathCircle, Circle, m_circle);
};
