#pragma once
#include "ZALIMPConnectorLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a linear spring: a connector loader, read back through
/// ZALMPLinearSpring::GetLoader.
class ZALMP_EXPORT ZALIMPLinearSpringLoader : public ZALIMPConnectorLoader {};
