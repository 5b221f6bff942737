#pragma once
#include "ZALIMPConnectorLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a torsion spring: a connector loader, read back through
/// ZALMPTorsionSpring::GetLoader.
class ZALMP_EXPORT ZALIMPTorsionSpringLoader : public ZALIMPConnectorLoader {};
