#include "ZALMPCoordinates.h"

#include <ZALMPEllipse.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPEllipse, C::Point(&ZALMPEllipse::m_centre, kCentre),
                           C::Direction(&ZALMPEllipse::m_majorDirection, kDirection),
                           C::Direction(&ZALMPEllipse::m_normal, kNormal),
                           C::Number(&ZALMPEllipse::m_majorRadius, kMajorRadius).Carried(),
                           C::Number(&ZALMPEllipse::m_minorRadius, kMinorRadius).Carried());
