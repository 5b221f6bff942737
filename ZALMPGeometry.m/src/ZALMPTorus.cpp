#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPTorus"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPTorus.h>

ZALMP_DEFINE_KIND(ZALMPTorus, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPTorus::ZALMPTorus() = default;

ZALMPTorus::ZALMPTorus(const ZALMPTorus& source)
    : ZALMPGeometry(source), m_majorRadius(source.m_majorRadius), m_minorRadius(source.m_minorRadius)
{
}

ZALMPTorus::~ZALMPTorus() = default;

ZALMP_DEFINE_COORDINATES(ZALMPTorus,
                         C::Point(&ZALMPTorus::m_centre, names::kCentre),
                         C::Direction(&ZALMPTorus::m_normal, names::kNormal),
                         C::Number(&ZALMPTorus::m_majorRadius, names::kMajorRadius),
                         C::Number(&ZALMPTorus::m_minorRadius, names::kMinorRadius));
