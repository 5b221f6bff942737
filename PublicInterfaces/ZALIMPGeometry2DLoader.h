#pragma once
#include "ZALIMPGeometryLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a planar geometry: a geometry loader, read back through
/// ZALMPGeometry2D::GetLoader. No planar geometry operation calls into it.
class ZALMP_EXPORT ZALIMPGeometry2DLoader : public ZALIMPGeometryLoader {};
