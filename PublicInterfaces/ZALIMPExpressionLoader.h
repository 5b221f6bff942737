#pragma once
#include "ZALIMPValueLoader.h"
#include "ZALMPExport.h"

/// Host hooks of an expression value; the library only narrows to it.
class ZALMP_EXPORT ZALIMPExpressionLoader : public ZALIMPValueLoader {};
