#pragma once
#include "ZALIMPValueLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a constant value; the library only narrows to it.
class ZALMP_EXPORT ZALIMPConstantLoader : public ZALIMPValueLoader {};
