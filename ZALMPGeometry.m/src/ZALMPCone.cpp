#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCone"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPCone.h>

ZALMP_DEFINE_KIND(ZALMPCone, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPCone::ZALMPCone() = default;

ZALMPCone::ZALMPCone(const ZALMPCone& source) : ZALMPGeometry(source), m_angle(source.m_angle) {}

ZALMPCone::~ZALMPCone() = default;

ZALMP_DEFINE_COORDINATES(ZALMPCone,
                         C::Point(&ZALMPCone::m_origin, names::kOrigin),
                         C::Direction(&ZALMPCone::m_axis, names::kDirection),
                         C::Number(&ZALMPCone::m_angle, names::kAngle));
