#pragma once
#include "ZALIMPConnectorLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a force element: a connector loader, read back through
/// ZALMPForceElement::GetLoader.
class ZALMP_EXPORT ZALIMPForceElementLoader : public ZALIMPConnectorLoader {};
