#include "ZALMPCoordinates.h"

#include <ZALMPCirline.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPCirline, C::Point(&ZALMPCirline::m_centre, kCentre),
                           C::Direction(&ZALMPCirline::m_majorDirection, kDirection),
                           C::Direction(&ZALMPCirline::m_normal, kNormal),
                           C::Number(&ZALMPCirline::m_curvature, kCurvature).Carried());
