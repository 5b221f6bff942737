#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCone"
#include "ZALMPCoordinates.h"

#include <ZALMPCone.h>
#include <ZALMPFieldTable.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPCone, C::Point(&ZALMPCone::m_origin, kOrigin),
                           C::Direction(&ZALMPCone::m_axis, kDirection),
                           C::Number(&ZALMPCone::m_angle, kAngle).Carried());

ZALMP_DEFINE_FIELDS(ZALMPCone, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPCone, Origin),
                    ZALMP_FIELD_ROW(ZALMPCone, Axis),
                    ZALMP_FIELD_ROW(ZALMPCone, Angle));
