#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a geometry. No geometry operation calls into it; a host may
/// still give a geometry its own loader and read it back through
/// ZALMPGeometry::GetLoader.
class ZALMP_EXPORT ZALIMPGeometryLoader : public ZALIMPEntityLoader {};
