#pragma once
#include "ZALIMPConnectorLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a bushing: a connector loader, read back through
/// ZALMPBushing::GetLoader.
class ZALMP_EXPORT ZALIMPBushingLoader : public ZALIMPConnectorLoader {};
