#pragma once
#include "ZALMPCoupling.h"
#include "ZALMPExport.h"

/// A rack coupling. It writes "Rack" holding the coupling part, and gives no frame.
class ZALMP_EXPORT ZALMPRack : public ZALMPCoupling {
  ZALMP_DECLARE_UNFRAMED_COUPLING_KIND(ZALMPRack);
};
