#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCylicone"
#include "ZALMPCoordinates.h"

#include <ZALMPCylicone.h>
#include <ZALMPFieldTable.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPCylicone, C::Point(&ZALMPCylicone::m_origin, kOrigin),
                           C::Direction(&ZALMPCylicone::m_axis, kDirection),
                           C::Number(&ZALMPCylicone::m_angle, kAngle).Carried(),
                           C::Number(&ZALMPCylicone::m_radius, kRadius).Carried());

ZALMP_DEFINE_FIELDS(ZALMPCylicone, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPCylicone, Origin),
                    ZALMP_FIELD_ROW(ZALMPCylicone, Axis),
                    ZALMP_FIELD_ROW(ZALMPCylicone, Angle),
                    ZALMP_FIELD_ROW(ZALMPCylicone, Radius));
