#include "ZALMPCoordinates.h"

#include <ZALMPCylinder.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPCylinder, C::Point(&ZALMPCylinder::m_origin, kOrigin),
                           C::Direction(&ZALMPCylinder::m_axis, kDirection),
                           C::Number(&ZALMPCylinder::m_radius, kRadius).Carried());
