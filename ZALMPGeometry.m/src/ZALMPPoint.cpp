#include "ZALMPCoordinates.h"

#include <ZALMPPoint.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPPoint, C::Point(&ZALMPPoint::m_point, kOrigin));
