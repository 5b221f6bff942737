#include "ZALMPCoordinates.h"

#include <ZALMPSketch.h>

ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(ZALMPGeometry, ZALMPSketch, ZALMPCoordinates::WritePlane(out, m_plane),
                                  m_plane = ZALMPCoordinates::ReadPlane(in));
