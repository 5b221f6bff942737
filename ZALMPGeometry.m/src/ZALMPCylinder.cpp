#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCylinder"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPCylinder.h>

ZALMP_DEFINE_KIND(ZALMPCylinder, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPCylinder::ZALMPCylinder() = default;

ZALMPCylinder::ZALMPCylinder(const ZALMPCylinder& source) : ZALMPGeometry(source), m_radius(source.m_radius) {}

ZALMPCylinder::~ZALMPCylinder() = default;

ZALMP_DEFINE_COORDINATES(ZALMPCylinder,
                         C::Point(&ZALMPCylinder::m_origin, names::kOrigin),
                         C::Direction(&ZALMPCylinder::m_axis, names::kDirection),
                         C::Number(&ZALMPCylinder::m_radius, names::kRadius));
