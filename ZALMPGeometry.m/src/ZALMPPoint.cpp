#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPPoint"
#include <ZALMPAssertionReport.h>

#include "ZALMPCoordinates.h"

#include <ZALMPPoint.h>

ZALMP_DEFINE_GEOMETRY_KIND(
    ZALMPPoint,
    C::Point(&ZALMPPoint::m_point, kOrigin));
