#include "ZALMPCoordinates.h"

#include <ZALMPLine2D.h>

ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(ZALMPGeometry2D, ZALMPLine2D,
                                  ZALMPCoordinates::WriteLine(out, m_line, kOrigin2D, kDirection2D),
                                  ZALMPCoordinates::ReadLine(in, m_line, kOrigin2D, kDirection2D));
