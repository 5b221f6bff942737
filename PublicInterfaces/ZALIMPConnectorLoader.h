#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a connector, read back through ZALMPConnector::GetLoader. No
/// connector operation calls into it.
class ZALMP_EXPORT ZALIMPConnectorLoader : public ZALIMPEntityLoader {};
