#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPHyperbola"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPHyperbola.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPHyperbola, C::Point(&ZALMPHyperbola::m_centre, kCentre),
                           C::Direction(&ZALMPHyperbola::m_majorDirection, kDirection),
                           C::Direction(&ZALMPHyperbola::m_normal, kNormal),
                           C::Number(&ZALMPHyperbola::m_majorRadius, kMajorRadius).Carried(),
                           C::Number(&ZALMPHyperbola::m_minorRadius, kMinorRadius).Carried());

ZALMP_DEFINE_FIELDS(ZALMPHyperbola, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPHyperbola, Center),
                    ZALMP_FIELD_ROW(ZALMPHyperbola, MajorDirection),
                    ZALMP_FIELD_ROW(ZALMPHyperbola, Normal),
                    ZALMP_FIELD_ROW(ZALMPHyperbola, MajorRadius),
                    ZALMP_FIELD_ROW(ZALMPHyperbola, MinorRadius));
