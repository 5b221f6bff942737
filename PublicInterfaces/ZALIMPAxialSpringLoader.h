#pragma once
#include "ZALIMPConnectorLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a axial spring: a connector loader, read back through
/// ZALMPAxialSpring::GetLoader.
class ZALMP_EXPORT ZALIMPAxialSpringLoader : public ZALIMPConnectorLoader {};
