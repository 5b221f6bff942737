#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPSketch"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPSketch.h>

ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(ZALMPGeometry, ZALMPSketch, ZALMPCoordinates::WritePlane(out, m_plane),
                                  m_plane = ZALMPCoordinates::ReadPlane(in));

ZALMP_DEFINE_FIELDS(ZALMPSketch, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPSketch, Plane));
