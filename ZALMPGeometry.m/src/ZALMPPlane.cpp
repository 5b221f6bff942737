#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPPlane"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPPlane.h>

ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(ZALMPGeometry, ZALMPPlane, ZALMPCoordinates::WritePlane(out, m_plane),
                                  m_plane = ZALMPCoordinates::ReadPlane(in));

ZALMP_DEFINE_FIELDS(ZALMPPlane, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPPlane, Plane));
