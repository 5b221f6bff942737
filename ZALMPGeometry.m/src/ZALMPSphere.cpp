#include "ZALMPCoordinates.h"

#include <ZALMPSphere.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPSphere, C::Point(&ZALMPSphere::m_centre, kCentre),
                           C::Number(&ZALMPSphere::m_radius, kRadius).Carried());
