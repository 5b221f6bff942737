#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPPoint"
#include "ZALMPReport.h"

#include "ZALMPCoordinates.h"

#include <ZALMPPoint.h>

ZALMP_DEFINE_KIND(ZALMPPoint, ZALMPGeometry);

namespace names = ZALMPCoordinateNames;

ZALMPPoint::ZALMPPoint() = default;

ZALMPPoint::ZALMPPoint(const ZALMPPoint& source) : ZALMPGeometry(source) {}

ZALMPPoint::~ZALMPPoint() = default;

ZALMP_DEFINE_COORDINATES(ZALMPPoint,
                         C::Point(&ZALMPPoint::m_point, names::kOrigin));
