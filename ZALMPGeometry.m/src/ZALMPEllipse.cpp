#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPEllipse"
#include "ZALMPCoordinates.h"

#include <ZALMPEllipse.h>
#include <ZALMPFieldTable.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPEllipse, C::Point(&ZALMPEllipse::m_centre, kCentre),
                           C::Direction(&ZALMPEllipse::m_majorDirection, kDirection),
                           C::Direction(&ZALMPEllipse::m_normal, kNormal),
                           C::Number(&ZALMPEllipse::m_majorRadius, kMajorRadius).Carried(),
                           C::Number(&ZALMPEllipse::m_minorRadius, kMinorRadius).Carried());

ZALMP_DEFINE_FIELDS(ZALMPEllipse, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPEllipse, Center),
                    ZALMP_FIELD_ROW(ZALMPEllipse, MajorDirection),
                    ZALMP_FIELD_ROW(ZALMPEllipse, Normal),
                    ZALMP_FIELD_ROW(ZALMPEllipse, MajorRadius),
                    ZALMP_FIELD_ROW(ZALMPEllipse, MinorRadius));
