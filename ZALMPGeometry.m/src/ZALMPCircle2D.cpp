#include "ZALMPCoordinates.h"

#include <ZALMPCircle2D.h>

ZALMP_DEFINE_GEOMETRY2D_KIND(ZALMPCircle2D, C::Point(&ZALMPCircle2D::m_centre, kCentre2D),
                             C::Number(&ZALMPCircle2D::m_radius, kRadius).Carried());
