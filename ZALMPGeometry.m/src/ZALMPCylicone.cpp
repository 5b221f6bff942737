#include "ZALMPCoordinates.h"

#include <ZALMPCylicone.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPCylicone, C::Point(&ZALMPCylicone::m_origin, kOrigin),
                           C::Direction(&ZALMPCylicone::m_axis, kDirection),
                           C::Number(&ZALMPCylicone::m_angle, kAngle).Carried(),
                           C::Number(&ZALMPCylicone::m_radius, kRadius).Carried());
