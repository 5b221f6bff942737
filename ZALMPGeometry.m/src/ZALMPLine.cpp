#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPLine"
#include "ZALMPCoordinates.h"

#include <ZALMPFieldTable.h>
#include <ZALMPLine.h>

ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(ZALMPGeometry, ZALMPLine,
                                  ZALMPCoordinates::WriteLine(out, m_line, kOrigin, kDirection),
                                  ZALMPCoordinates::ReadLine(in, m_line, kOrigin, kDirection));

ZALMP_DEFINE_FIELDS(ZALMPLine, &ZALMPGeometry::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPLine, Line));
