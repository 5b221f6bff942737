#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPLine2D"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPLine2D.h>

ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(ZALMPGeometry2D, ZALMPLine2D,
                                  ZALMPCoordinates::WriteLine(out, m_line, kOrigin2D, kDirection2D),
                                  ZALMPCoordinates::ReadLine(in, m_line, kOrigin2D, kDirection2D));

ZALMP_DEFINE_FIELDS(ZALMPLine2D, &ZALMPGeometry2D::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPLine2D, Line));
