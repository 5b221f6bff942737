#pragma once
#include "ZALMPCoupling.h"
#include "ZALMPExport.h"

/// A cable coupling. It writes "Cable" holding the coupling part, and gives no frame.
class ZALMP_EXPORT ZALMPCable : public ZALMPCoupling {
  ZALMP_DECLARE_UNFRAMED_COUPLING_KIND(ZALMPCable);
};
