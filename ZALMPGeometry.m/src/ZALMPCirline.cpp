#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCirline"
#include "ZALMPCoordinates.h"

#include <ZALMPCirline.h>
#include <ZALMPFieldTable.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPCirline, C::Point(&ZALMPCirline::m_centre, kCentre),
                           C::Direction(&ZALMPCirline::m_majorDirection, kDirection),
                           C::Direction(&ZALMPCirline::m_normal, kNormal),
                           C::Number(&ZALMPCirline::m_curvature, kCurvature).Carried());

ZALMP_DEFINE_FIELDS(ZALMPCirline, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPCirline, Center),
                    ZALMP_FIELD_ROW(ZALMPCirline, MajorDirection),
                    ZALMP_FIELD_ROW(ZALMPCirline, Normal),
                    ZALMP_FIELD_ROW(ZALMPCirline, Curvature));
