#pragma once
#include "ZALIMPShapeLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a planar shape: a shape loader, read back through
/// ZALMPShape2D::GetLoader. No planar shape operation calls into it.
class ZALMP_EXPORT ZALIMPShape2DLoader : public ZALIMPShapeLoader {};
