#include "ZALMPCoordinates.h"

#include <ZALMPLine.h>

ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(ZALMPGeometry, ZALMPLine,
                                  ZALMPCoordinates::WriteLine(out, m_line, kOrigin, kDirection),
                                  ZALMPCoordinates::ReadLine(in, m_line, kOrigin, kDirection));
