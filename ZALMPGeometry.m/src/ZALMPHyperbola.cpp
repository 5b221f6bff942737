#include "ZALMPCoordinates.h"

#include <ZALMPHyperbola.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPHyperbola, C::Point(&ZALMPHyperbola::m_centre, kCentre),
                           C::Direction(&ZALMPHyperbola::m_majorDirection, kDirection),
                           C::Direction(&ZALMPHyperbola::m_normal, kNormal),
                           C::Number(&ZALMPHyperbola::m_majorRadius, kMajorRadius).Carried(),
                           C::Number(&ZALMPHyperbola::m_minorRadius, kMinorRadius).Carried());
