#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPParabola"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPParabola.h>

ZALMP_DEFINE_GEOMETRY_KIND(ZALMPParabola, C::Point(&ZALMPParabola::m_centre, kCentre),
                           C::Direction(&ZALMPParabola::m_majorDirection, kDirection),
                           C::Direction(&ZALMPParabola::m_normal, kNormal),
                           C::Number(&ZALMPParabola::m_curvature, kCurvature).Carried());

ZALMP_DEFINE_FIELDS(ZALMPParabola, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPParabola, Center),
                    ZALMP_FIELD_ROW(ZALMPParabola, MajorDirection),
                    ZALMP_FIELD_ROW(ZALMPParabola, Normal),
                    ZALMP_FIELD_ROW(ZALMPParabola, Curvature));
