#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPTorus"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPTorus.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPTorus, C::Point(&ZALMPTorus::m_centre, kCentre),
                           C::Direction(&ZALMPTorus::m_normal, kNormal),
                           C::Number(&ZALMPTorus::m_majorRadius, kMajorRadius).Carried(),
                           C::Number(&ZALMPTorus::m_minorRadius, kMinorRadius).Carried());

ZALMP_DEFINE_FIELDS(ZALMPTorus, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPTorus, Center),
                    ZALMP_FIELD_ROW(ZALMPTorus, Normal),
                    ZALMP_FIELD_ROW(ZALMPTorus, MajorRadius),
                    ZALMP_FIELD_ROW(ZALMPTorus, MinorRadius));
