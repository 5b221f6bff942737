#include "ZALMPCoordinates.h"

#include <ZALMPParabola.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPParabola, C::Point(&ZALMPParabola::m_centre, kCentre),
                           C::Direction(&ZALMPParabola::m_majorDirection, kDirection),
                           C::Direction(&ZALMPParabola::m_normal, kNormal),
                           C::Number(&ZALMPParabola::m_curvature, kCurvature).Carried());
