#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPCircle2D"
#include "ZALMPCoordinates.h"

#include <ZALMPCircle2D.h>
#include <ZALMPFieldTable.h>

ZALMP_DEFINE_GEOMETRY2D_KIND(ZALMPCircle2D, C::Point(&ZALMPCircle2D::m_centre, kCentre2D),
                             C::Number(&ZALMPCircle2D::m_radius, kRadius).Carried());

ZALMP_DEFINE_FIELDS(ZALMPCircle2D, &ZALMPGeometry2D::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPCircle2D, Center),
                    ZALMP_FIELD_ROW(ZALMPCircle2D, Radius));
