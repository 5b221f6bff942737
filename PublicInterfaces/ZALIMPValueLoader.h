#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a value. The library only narrows an entity's loader to this
/// interface; what else a value loader does is the host's.
class ZALMP_EXPORT ZALIMPValueLoader : public ZALIMPEntityLoader {};
