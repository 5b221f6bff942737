#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPSphere"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPSphere.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPSphere, C::Point(&ZALMPSphere::m_centre, kCentre),
                           C::Number(&ZALMPSphere::m_radius, kRadius).Carried());

ZALMP_DEFINE_FIELDS(ZALMPSphere, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPSphere, Center),
                    ZALMP_FIELD_ROW(ZALMPSphere, Radius));
