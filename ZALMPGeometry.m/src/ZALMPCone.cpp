#include "ZALMPCoordinates.h"

#include <ZALMPCone.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPCone, C::Point(&ZALMPCone::m_origin, kOrigin),
                           C::Direction(&ZALMPCone::m_axis, kDirection),
                           C::Number(&ZALMPCone::m_angle, kAngle).Carried());
