#include "ZALMPCoordinates.h"

#include <ZALMPPlane.h>

ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(ZALMPGeometry, ZALMPPlane, ZALMPCoordinates::WritePlane(out, m_plane),
                                  m_plane = ZALMPCoordinates::ReadPlane(in));
