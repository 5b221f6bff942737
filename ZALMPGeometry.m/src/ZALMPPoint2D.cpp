#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPPoint2D"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPPoint2D.h>

ZALMP_DEFINE_GEOMETRY2D_KIND(ZALMPPoint2D, C::Point(&ZALMPPoint2D::m_point, kOrigin2D));

ZALMP_DEFINE_FIELDS(ZALMPPoint2D, &ZALMPGeometry2D::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPPoint2D, Point));
