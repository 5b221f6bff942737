#include "ZALMPCoordinates.h"

#include <ZALMPPoint2D.h>

ZALMP_DEFINE_GEOMETRY2D_KIND(ZALMPPoint2D, C::Point(&ZALMPPoint2D::m_point, kOrigin2D));
