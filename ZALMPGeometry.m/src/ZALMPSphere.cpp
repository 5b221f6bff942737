#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPSphere"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPSphere.h>

ZALMP_DEFINE_KIND(ZALMPSphere, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPSphere::ZALMPSphere() = default;

ZALMPSphere::ZALMPSphere(const ZALMPSphere& source) : ZALMPGeometry(source), m_radius(source.m_radius) {}

ZALMPSphere::~ZALMPSphere() = default;

ZALMP_DEFINE_COORDINATES(ZALMPSphere,
                         C::Point(&ZALMPSphere::m_centre, names::kCentre),
                         C::Number(&ZALMPSphere::m_radius, names::kRadius));
