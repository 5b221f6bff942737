#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a shape. No shape operation calls into it; a host may still
/// give a shape its own loader and read it back through ZALMPShape::GetLoader.
class ZALMP_EXPORT ZALIMPShapeLoader : public ZALIMPEntityLoader {};
