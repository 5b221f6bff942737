#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPHyperbola"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPHyperbola.h>

ZALMP_DEFINE_KIND(ZALMPHyperbola, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPHyperbola::ZALMPHyperbola() = default;

ZALMPHyperbola::ZALMPHyperbola(const ZALMPHyperbola& source)
    : ZALMPGeometry(source), m_majorRadius(source.m_majorRadius), m_minorRadius(source.m_minorRadius)
{
}

ZALMPHyperbola::~ZALMPHyperbola() = default;

ZALMP_DEFINE_COORDINATES(ZALMPHyperbola,
                         C::Point(&ZALMPHyperbola::m_centre, names::kCentre),
                         C::Direction(&ZALMPHyperbola::m_majorDirection, names::kDirection),
                         C::Direction(&ZALMPHyperbola::m_normal, names::kNormal),
                         C::Number(&ZALMPHyperbola::m_majorRadius, names::kMajorRadius),
                         C::Number(&ZALMPHyperbola::m_minorRadius, names::kMinorRadius));
