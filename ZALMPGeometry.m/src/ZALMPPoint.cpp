#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPPoint"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPPoint.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPPoint, C::Point(&ZALMPPoint::m_point, kOrigin));

ZALMP_DEFINE_FIELDS(ZALMPPoint, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPPoint, Point));
