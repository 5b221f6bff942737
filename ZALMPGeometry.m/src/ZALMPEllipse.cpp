#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPEllipse"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPEllipse.h>

ZALMP_DEFINE_KIND(ZALMPEllipse, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPEllipse::ZALMPEllipse() = default;

ZALMPEllipse::ZALMPEllipse(const ZALMPEllipse& source)
    : ZALMPGeometry(source), m_majorRadius(source.m_majorRadius), m_minorRadius(source.m_minorRadius)
{
}

ZALMPEllipse::~ZALMPEllipse() = default;

ZALMP_DEFINE_COORDINATES(ZALMPEllipse,
                         C::Point(&ZALMPEllipse::m_centre, names::kCentre),
                         C::Direction(&ZALMPEllipse::m_majorDirection, names::kDirection),
                         C::Direction(&ZALMPEllipse::m_normal, names::kNormal),
                         C::Number(&ZALMPEllipse::m_majorRadius, names::kMajorRadius),
                         C::Number(&ZALMPEllipse::m_minorRadius, names::kMinorRadius));
