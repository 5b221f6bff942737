#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCylicone"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPCylicone.h>

ZALMP_DEFINE_KIND(ZALMPCylicone, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPCylicone::ZALMPCylicone() = default;

ZALMPCylicone::ZALMPCylicone(const ZALMPCylicone& source)
    : ZALMPGeometry(source), m_angle(source.m_angle), m_radius(source.m_radius)
{
}

ZALMPCylicone::~ZALMPCylicone() = default;

ZALMP_DEFINE_COORDINATES(ZALMPCylicone,
                         C::Point(&ZALMPCylicone::m_origin, names::kOrigin),
                         C::Direction(&ZALMPCylicone::m_axis, names::kDirection),
                         C::Number(&ZALMPCylicone::m_angle, names::kAngle),
                         C::Number(&ZALMPCylicone::m_radius, names::kRadius));
