#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCylinder"
#include "ZALMPCoordinates.h"

#include <ZALMPCylinder.h>
#include <ZALMPFieldTable.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPCylinder, C::Point(&ZALMPCylinder::m_origin, kOrigin),
                           C::Direction(&ZALMPCylinder::m_axis, kDirection),
                           C::Number(&ZALMPCylinder::m_radius, kRadius).Carried());

ZALMP_DEFINE_FIELDS(ZALMPCylinder, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPCylinder, Origin),
                    ZALMP_FIELD_ROW(ZALMPCylinder, Axis),
                    ZALMP_FIELD_ROW(ZALMPCylinder, Radius));
