#include "ZALMPCoordinates.h"

#include <ZALMPTorus.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPTorus, C::Point(&ZALMPTorus::m_centre, kCentre),
                           C::Direction(&ZALMPTorus::m_normal, kNormal),
                           C::Number(&ZALMPTorus::m_majorRadius, kMajorRadius).Carried(),
                           C::Number(&ZALMPTorus::m_minorRadius, kMinorRadius).Carried());
